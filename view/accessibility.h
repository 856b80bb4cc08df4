#pragma once

#include <QString>

class QWidget;

namespace vatro {

class PrintSurface;

// Screen readers hear the game through Qt's accessibility interfaces: each window's print
// surface as read-only text, the grids as tables of their letters and words, the options
// as a group named for what they choose, a secondary window described by what it prints.
// Installed once, before any window is built.
void installAccessibility();

// A print surface's lines as a listener reads them, one a line.
QString printedText(const PrintSurface& surface);

// Says a piece of news through the widget that has the keyboard focus: screen readers speak
// what changes on the focused control, and nothing that changes elsewhere. The news stays
// the widget's description until the next news or until the focus leaves it.
void tellFocusedControl(QWidget& focused, const QString& news);

} // namespace vatro
