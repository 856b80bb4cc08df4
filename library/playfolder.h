#pragma once
// Whether the game can be started on a folder: "vatro ПАПКА", and the working folder.

#include <filesystem>
#include <optional>
#include <string>

namespace vatro::library {

// Why the folder cannot be played, in Russian and naming it: it is not there, it is no
// folder, or it holds no quiz. None when the game can start there (what its files hold is
// the game's own concern, told file by file).
std::optional<std::u16string> whyNotPlayable(const std::filesystem::path& folder);

} // namespace vatro::library
