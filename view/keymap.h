#pragma once

#include <Qt>

namespace vatro {

// Mouse buttons held, as the game's handlers count them: left 1, right 2, middle 4.
int mouseButtons(Qt::MouseButtons buttons);
// The one button of a press or release.
int mouseButton(Qt::MouseButton button);
// Modifier keys held: Shift 1, Ctrl 2, Alt 4.
int shiftState(Qt::KeyboardModifiers modifiers);
// The key code the game's key handlers expect for a Qt key (the Windows virtual-key
// code); 0 for a key the game has no code for. Modifier keys held do not change it.
int virtualKey(int qtKey);

} // namespace vatro
