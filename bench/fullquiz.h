#pragma once

#include "support/quizfolder.h"

#include <string>
#include <utility>
#include <vector>

namespace vatro::bench {

// A quiz that fills every file to its capacity: 340 letters on the board, 49 answer words
// and 50 questions (49 for a whole game of 49 questions). The board holds the letters of
// every answer in order, then spares, so each answer can be picked from known cells.
class FullQuiz {
public:
    explicit FullQuiz(int questions = 50);

    const std::filesystem::path& path() const { return m_folder.path(); }
    const std::vector<std::u16string>& answers() const { return m_answers; }
    // The board cells (row, column) that spell answer n (1-based), letter by letter.
    const std::vector<std::pair<int, int>>& cellsOf(int n) const {
        return m_cells.at(static_cast<std::size_t>(n - 1));
    }

private:
    testing::QuizFolder m_folder;
    std::vector<std::u16string> m_answers;
    std::vector<std::vector<std::pair<int, int>>> m_cells;
};

} // namespace vatro::bench
