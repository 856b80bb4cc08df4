#pragma once

#include "ui/controls/printsurface.h"

#include <QFont>
#include <QPalette>
#include <QRect>

class QPainter;

namespace vatro {

// Replays a window's print surface: its text in the window's font from the top-left
// corner, starting in the surface's design colour and the font's own weight. Print
// positions are twips; a zone advance goes to the next multiple of 14 average character
// widths; a new line goes back to the left edge, one line height down.
// Returns the area the texts cover.
QRect paintPrintSurface(QPainter& painter, const PrintSurface& surface, QFont font, double dpi,
                        const QPalette& palette);

// The area the surface's texts would cover on the device, without drawing them.
QRect printSurfaceArea(const PrintSurface& surface, const QFont& font, double dpi,
                       const QPaintDevice* device);

// The width of one print zone in the font, in pixels.
int printZoneWidth(const QFont& font, const QPaintDevice* device);

} // namespace vatro
