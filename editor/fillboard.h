#pragma once
// "vatro-check --fill-board": the editor's board builder for teachers who keep their quiz in
// a text editor.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vatro::editor {

struct FillBoardOutcome {
    int exitStatus = 2;  // as the checker's: 0 plays as meant, 1 needs fixing, 2 not done
    std::u16string text; // what was done, then the check of the folder as it now stands
};

// Builds the board from the folder's answers (a fresh seed unless one is given) and rewrites
// vatro.txt atomically, keeping the old one as vatro.txt.bak; then checks the folder.
FillBoardOutcome fillBoard(const std::filesystem::path& folder, std::optional<std::uint32_t> seed);

} // namespace vatro::editor
