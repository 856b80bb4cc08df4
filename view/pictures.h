#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRectF>

#include <string>

class QPainter;

namespace vatro {

// Pictures are named as the window models name them ("mouse.svg", their source); the game
// carries them drawn at build time, at an ordinary screen's density and at twice it, as the
// pixels a window paints.

// A picture as a window paints it, for a screen of the pixel ratio: the drawing made for
// twice the density on a high-density screen, so that it stays crisp there. A margin of one
// colour around the drawn part is painted, not kept: the mouse's white surround would be
// half of its memory.
struct Picture {
    QImage part;   // the drawn part, with the screen's pixel ratio
    QPointF at;    // where the part lies in the picture, in the window's pixels
    QSizeF size;   // the whole picture, in the window's pixels
    QColor margin; // the colour of the rest

    bool isNull() const { return part.isNull(); }
};
Picture picture(const std::string& name, qreal devicePixelRatio);
// Paints the whole picture with its top left corner at the painter's origin.
void paintPicture(QPainter& painter, const Picture& picture);

// The whole picture as one image, margin and all.
QImage pictureImage(const std::string& name, qreal devicePixelRatio);
QPixmap picturePixmap(const std::string& name, qreal devicePixelRatio);

// The picture as a window icon, in every size drawn for it, each made a pixmap only when
// the window system asks for it; one icon per picture for the whole program.
QIcon pictureIcon(const std::string& name);

// An icon that draws nothing, for a window designed without one.
QIcon blankIcon();

} // namespace vatro
