#pragma once

namespace vatro {

// Russian for Qt's own dialogs, buttons and menus, whatever the desktop's language: the
// programs speak Russian. Read once; the programs read it just after their first window is on
// screen, when no Qt text has shown yet, and before a problem box that comes earlier.
void translateQtTexts();

} // namespace vatro
