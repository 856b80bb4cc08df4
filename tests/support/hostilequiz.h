#pragma once

#include "game/form1.h"
#include "quizfolder.h"

#include <functional>
#include <string>
#include <vector>

namespace vatro::testing {

// A quiz folder a teacher might hand the game by mistake, and what the game and the checker
// must make of it. -1 where the bytes do not decide a count in a way worth pinning.
struct HostileQuiz {
    std::string name;       // letters and digits only: it names the tests
    std::string file;       // the file that is wrong; empty when all three are
    std::u16string refusal; // empty: the game plays it; else words its refusal must say
    int questions;          // QuestionCount after start-up (the questions)
    int answers;            // QuestionCount after "Новый игрок" (the answers)
    int letters;            // letters on the board after start-up
    int checkerExit;        // what vatro-check says of the folder: 0, 1 or 2
    std::function<void(QuizFolder&)> build; // lays the hostile files over the good quiz

    bool refused() const { return !refusal.empty(); }
};

std::vector<HostileQuiz> hostileQuizzes();

// The good quiz the hostile ones are built over, with a help file: the game plays it as meant
// and the checker finds nothing in it. Whatever stood in place of a quiz file is removed.
void writeGoodQuiz(QuizFolder& quiz);

// A game played on, question after question, until it says it is over.
struct Played {
    int posed = 0;
    int submitted = 0; // answers handed in; each must count as a point or a mistake
    bool ended = false;
};
// Presses "Пуск" (52 times at most) and answers each question from the grid shown: the right
// word, or each letter of the right answer, from the first cell that shows it; with wrong,
// whatever cells come first, the last one put back. The check runs after every event.
Played playToTheEnd(Form1& form, bool wrong = false, void (*check)(const Form1&) = nullptr);

// The three quiz files, in the order start-up reads them.
inline const std::vector<std::string> QuizFileNames = {"vatro.txt", "vatroo.txt", "vatrov.txt"};

} // namespace vatro::testing
