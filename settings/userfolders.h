#pragma once
// Where a user's files belong: the home folder and the XDG base folders under it.

#include <filesystem>
#include <optional>
#include <vector>

namespace vatro {

// $HOME when it names a folder by an absolute path, otherwise the home of the password
// database's entry for this user; none when neither does. A program that has no home
// keeps nothing in one rather than writing at the root.
std::optional<std::filesystem::path> homeFolder();

// $XDG_CONFIG_HOME, or ~/.config.
std::optional<std::filesystem::path> configHome();
// $XDG_CONFIG_DIRS, or /etc/xdg: the machine's configuration, the most important first.
std::vector<std::filesystem::path> configDirs();
// $XDG_DATA_HOME, or ~/.local/share.
std::optional<std::filesystem::path> dataHome();
// $XDG_STATE_HOME, or ~/.local/state.
std::optional<std::filesystem::path> stateHome();

} // namespace vatro
