#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string>

namespace vatro {

// Pictures are named as the window models name them ("mouse.svg", their source); the game
// carries them drawn at build time, at an ordinary screen's density and at twice it, as the
// pixels a window paints.

// The picture at its own size for a screen of the pixel ratio: the drawing made for twice
// the density on a high-density screen, so that it stays crisp there. At either drawn
// density the image lies over the program's own bytes: nothing is decoded or copied.
QImage pictureImage(const std::string& name, qreal devicePixelRatio);
QPixmap picturePixmap(const std::string& name, qreal devicePixelRatio);

// The picture as a window icon, in every size drawn for it, each made a pixmap only when
// the window system first asks for it; one icon per picture for the whole program.
QIcon pictureIcon(const std::string& name);

// An icon that draws nothing, for a window designed without one.
QIcon blankIcon();

} // namespace vatro
