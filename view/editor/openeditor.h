#pragma once

#include <filesystem>

namespace vatro {

class EditorWindow;

// "Редактор" of the game: an editor window on the folder, beside the game and without
// blocking it; a window already open on that folder is brought to the front instead.
// A folder the editor cannot open is reported in a message box. Returns the window, or
// nullptr when none opened.
EditorWindow* openEditorWindow(const std::filesystem::path& folder);

// Ends the program: every editor window with unsaved changes asks first, the other windows
// close, and the program ends, unless the teacher kept an editor open; then it ends when
// she closes that one, the last window.
void endProgramAfterEditors();

} // namespace vatro
