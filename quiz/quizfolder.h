#pragma once
// A folder as a quiz: the game, the editor and the quiz library agree on what holds one.

#include <filesystem>

namespace vatro {

// Whether the folder holds any of the four quiz files (the board, the answers, the
// questions, the help), whatever their state: a broken quiz is still a quiz to mend, and a
// folder with one of them is no empty folder to write a new quiz into. False for a folder
// that cannot be looked into.
bool holdsQuiz(const std::filesystem::path& folder);

} // namespace vatro
