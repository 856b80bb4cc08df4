#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QStyle;

namespace vatro {

// The keyboard focus as a low-sighted player sees it: a solid frame two pixels wide, black
// or white, whichever stands out more from what it is drawn on; either way at least 4.5:1.
QColor focusFrameColor(const QColor& background);
// The frame along the inside of the rectangle.
void paintFocusFrame(QPainter& painter, const QRect& rect, const QColor& background);

// The style that shows that frame wherever a widget shows its focus, around the base style.
QStyle* focusFrameStyle(QStyle* base);

} // namespace vatro
