#pragma once
// What a quiz folder holds, as the editor keeps it: the questions and answers that pair by
// position, the letter board and the help lines.

#include "quiz/quizfacts.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vatro::editor {

// The word list shows answers in rows 1..49, so a quiz has at most 49 pairs; the question
// file holds 50, one more than any answer can pair with.
inline constexpr std::size_t MaxAnswers = AnswersFileInfo.capacity;
inline constexpr std::size_t MaxQuestions = QuestionsFileInfo.capacity;
inline constexpr std::size_t MaxPairs = MaxAnswers;
inline constexpr std::size_t MaxAnswerLetters = PickStackDepth;

// The four files of a quiz folder, in the order the checker tells of them.
enum class QuizPart { Board, Answers, Questions, Help };
inline constexpr std::array<QuizPart, 4> AllParts = {QuizPart::Board, QuizPart::Answers,
                                                     QuizPart::Questions, QuizPart::Help};
const QuizFileInfo& fileInfo(QuizPart part);
std::filesystem::path filePath(const std::filesystem::path& folder, QuizPart part);

// A side of a pair: its question or its answer.
enum class Side { Question, Answer };

struct QuizContent {
    // Record n of each file, from 0. The two lists pair by position and are equally long
    // in a sound quiz; a folder opened with one file longer keeps its extra records.
    std::vector<std::u16string> questions;
    std::vector<std::u16string> answers;
    // The board's cells row by row, 20 a row: always at least 340 cells, an empty text for
    // an empty cell; more only when the file held more than the game reads.
    std::vector<std::u16string> board = std::vector<std::u16string>(BoardCells);
    // The help file, one record a line.
    std::vector<std::u16string> help;

    bool operator==(const QuizContent&) const = default;

    // The number of pair rows: the longer of the two lists.
    std::size_t pairCount() const;
    // The text of a side of a pair row; empty when that file has no such record.
    const std::u16string& text(std::size_t row, Side side) const;
    // Whether the file of that side holds a record for the row.
    bool has(std::size_t row, Side side) const;
    // The records the editor keeps for a file (the board: all its cells).
    std::vector<std::u16string>& list(QuizPart part);
    const std::vector<std::u16string>& list(QuizPart part) const;
    // The records of a file as they are written: the board without its empty cells at the
    // end, the others as they stand.
    std::vector<std::u16string> records(QuizPart part) const;
};

// The cell index of a board position, row and column from 0.
inline std::size_t cellIndex(std::size_t row, std::size_t column) {
    return row * BoardColumns + column;
}

} // namespace vatro::editor
