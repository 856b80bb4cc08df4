#pragma once

#include <QString>

namespace vatro {

class PrintSurface;

// Screen readers hear the game through Qt's accessibility interfaces: each window's print
// surface as read-only text, the grids as tables of their letters and words, the options
// as a group named for what they choose, a secondary window described by what it prints.
// Installed once, before any window is built.
void installAccessibility();

// A print surface's lines as a listener reads them, one a line.
QString printedText(const PrintSurface& surface);

} // namespace vatro
