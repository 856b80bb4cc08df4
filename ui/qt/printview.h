#pragma once

#include "ui/controls/printsurface.h"

#include <QFont>
#include <QPalette>

class QPainter;

namespace vatro {

// Replays a window's print surface: its text in the window's font from the top-left
// corner, starting in the surface's design colour and the font's own weight. Print
// positions are twips; a zone advance goes to the next multiple of 14 average character
// widths; a new line goes back to the left edge, one line height down.
void paintPrintSurface(QPainter& painter, const PrintSurface& surface, QFont font, double dpi,
                       const QPalette& palette);

// The width of one print zone in the font, in pixels.
int printZoneWidth(const QFont& font, const QPaintDevice* device);

} // namespace vatro
