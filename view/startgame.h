#pragma once
// Starting the programs of Ватро from one another: "Играть" and "Журнал класса…" of the
// editor, the chooser.

#include <filesystem>
#include <functional>

namespace vatro {

// Puts the quiz at the top of the chooser's list of quizzes played last. A list that
// cannot be written costs only that order: it is said on stderr, nothing more.
void rememberPlayedQuiz(const std::filesystem::path& folder);

// Starts the game on the quiz folder as a program of its own, without waiting for it, and
// remembers the quiz as played. False, after telling the teacher why, when it did not start.
bool startGame(const std::filesystem::path& folder);

// Opens the class table (vatro-journal) on this computer's journal folders, as a program of
// its own: only it needs printing. False, after telling the teacher why, when it did not start.
bool startClassJournal();

// What starts the game's program in startGame (the tests watch it instead of starting
// one); returns the one it replaces.
using GameStarter = std::function<bool(const std::filesystem::path& folder)>;
GameStarter setGameStarter(GameStarter starter);

} // namespace vatro
