#pragma once
// The quizzes played last, the most recent first: the chooser lists them at its top. The
// list is the user's state, kept in $XDG_STATE_HOME/vatro/played (~/.local/state), one
// folder a line, and written whole and atomically by the programs that start a game (the
// game itself writes nothing but its journal).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro::library {

// Where the list is kept; none without a home folder.
std::optional<std::filesystem::path> playedListFile();

// The folders of the list, the most recent first; none when there is no readable list.
std::vector<std::filesystem::path> readPlayed(const std::filesystem::path& list);

// Puts the folder at the top of the list, once; nothing is written when it is there
// already. Returns the Russian reason when the list could not be written.
std::optional<std::u16string> rememberPlayed(const std::filesystem::path& list,
                                             const std::filesystem::path& folder);

} // namespace vatro::library
