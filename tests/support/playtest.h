#pragma once

#include "gamefixture.h"
#include "styledtext.h"

#include <string>
#include <vector>

namespace vatro::testing {

using Texts = std::vector<std::u16string>;
using Runs = std::vector<Styled>;

// Ten units of electromagnetism, with a question for each, for games longer than the small quiz.
struct UnitsQuiz {
    static std::vector<std::u16string> answers(int count);
    static std::vector<std::u16string> questions(int count);
};

// A game fixture with the usual ways into a game: each registers "Иванов", starts the
// mode and poses the first question.
class PlayTest : public GameTest {
protected:
    // "Игра2" at level User1: the letter board only.
    void letterGame();
    // "Игра1" at level User1: the shuffled word list only.
    void wordGame();
    // "Обучалка": both grids, the word list in file order.
    void trainingGame();

    // Writes a quiz of the first count units, on the small quiz's letter board.
    void writeUnitsQuiz(int count);

    // The line that poses or redraws question n: its number, then its text.
    static std::u16string questionLine(int n, const std::u16string& question);
    static std::u16string questionLine(int n) {
        return questionLine(n, SmallQuiz::questions().at(static_cast<std::size_t>(n - 1)));
    }

    // The row of the word list that shows the word; 0 when none does.
    int rowShowing(const std::u16string& word);
};

} // namespace vatro::testing
