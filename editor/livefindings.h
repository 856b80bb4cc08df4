#pragma once
// The checker's findings on the document in memory, each with the place in the editor it
// names, so that choosing a finding can select its record.

#include "checker/quizcheck.h"
#include "quizcontent.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vatro::editor {

class QuizDocument;

// Where a finding points: a pair row and side, a board cell, a help line, or a whole file.
struct FindingPlace {
    QuizPart part = QuizPart::Board;
    std::optional<std::size_t> index; // from 0: the pair row, board cell or help line
    Side side = Side::Answer;         // for the pair files
};

struct EditorFinding {
    Finding finding;
    FindingPlace place;
};

// Runs the same analyses as vatro-check on the files as the document would write them
// now (files it has not changed: their bytes as read).
std::vector<EditorFinding> liveFindings(const QuizDocument& document);

} // namespace vatro::editor
