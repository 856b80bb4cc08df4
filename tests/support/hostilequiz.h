#pragma once

#include "quizfolder.h"

#include <functional>
#include <string>
#include <vector>

namespace vatro::testing {

// A quiz folder a teacher might hand the game by mistake, and what the game must make of it.
struct HostileQuiz {
    enum class Outcome { Plays, Refused };

    std::string name; // letters and digits only: it names the tests
    // The file that is wrong; a refusal must name it. Empty when all three are.
    std::string file;
    Outcome outcome = Outcome::Plays;
    // Words a refusal must say, besides the file and the folder.
    std::u16string problem;
    // Puts the hostile files into a folder that holds a good quiz.
    std::function<void(QuizFolder&)> build;

    // For a quiz that plays, where the bytes decide it: QuestionCount after start-up (the
    // questions) and after "Новый игрок" (the answers), and the letters on the board after
    // start-up; -1 where the bytes do not decide it in a way worth pinning.
    int questionsAtStart = -1;
    int questionsInPlay = -1;
    int letters = -1;

    // A file that only a reader without every permission is kept from reading.
    bool needsPermissionChecks = false;

    bool refused() const { return outcome == Outcome::Refused; }
};

// Every hostile quiz folder the game is tried with, built over SmallQuiz.
std::vector<HostileQuiz> hostileQuizzes();

// The good quiz the hostile ones are built over: SmallQuiz, laid out as QuizFolder does,
// written fast enough to do it hundreds of times.
void writeSmallQuiz(QuizFolder& quiz);
// The teacher puts the good files back, whatever stood in their place.
void restoreSmallQuiz(QuizFolder& quiz);

// The three quiz files, in the order start-up reads them.
inline const std::vector<std::string> QuizFileNames = {"vatro.txt", "vatroo.txt", "vatrov.txt"};

} // namespace vatro::testing
