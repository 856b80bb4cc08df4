#pragma once
// What the chooser tells of each quiz of the library, and the order it lists them in.

#include "quizlibrary.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro::library {

struct QuizSummary {
    QuizPlace place;
    std::u16string name;                 // the folder's name
    std::size_t questions = 0;           // the records of the question file the game reads
    std::optional<std::int64_t> changed; // the newest quiz file's time, seconds since 1970 UTC
    std::size_t errors = 0;              // what vatro-check counts as errors
    std::u16string firstError;           // the first of them, with its file and record
};

// Reads the folder's files with the checker's analyses, as vatro-check would.
QuizSummary summarizeQuiz(const QuizPlace& place);

// The chooser's order: the quizzes played last first, the most recent at the top, then
// the teacher's own, the school's and the sample, each by name.
void orderForChooser(std::vector<QuizSummary>& quizzes,
                     const std::vector<std::filesystem::path>& lastPlayed);

} // namespace vatro::library
