#pragma once

#include "ui/controls/font.h"

#include <QFont>
#include <QPoint>
#include <QString>

class QPainter;

namespace vatro {

// The installed family with Cyrillic glyphs that stands in for a designed Windows font.
QString mappedFamily(const std::u16string& designedName);

// The designed font as a Qt font: mapped family, the designed point size, weight and slant.
QFont qtFont(const Font& font);

// Draws the text with its baseline starting at the point, in the painter's font and pen;
// where the font asks for bold but its face has no bold cut, which the font system does not
// embolden either, the letters' outlines are stroked to embolden them.
void drawFontText(QPainter& painter, QPoint at, const QString& text);

} // namespace vatro
