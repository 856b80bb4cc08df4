#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <future>
#include <string>

namespace vatro {

// Pictures are named as the window models name them ("mouse.svg", their source); the game
// carries them drawn at build time, at an ordinary screen's density and at twice it.

// The picture at its own size for a screen of the pixel ratio: the drawing made for twice
// the density on a high-density screen, so that it stays crisp there.
QImage pictureImage(const std::string& name, qreal devicePixelRatio);
QPixmap picturePixmap(const std::string& name, qreal devicePixelRatio);

// A window's picture, decoded on another thread from the moment the window is made, so
// that it is ready, or nearly, when the window first paints.
class PendingPicture {
public:
    PendingPicture() = default;
    PendingPicture(const std::string& name, qreal devicePixelRatio);

    // The picture as pictureImage gives it: the one begun if it is the same, waiting for it
    // to be done; else decoded now.
    QImage take(const std::string& name, qreal devicePixelRatio);

private:
    std::string m_name;
    qreal m_ratio = 0;
    std::future<QImage> m_image;
};

// The picture as a window icon, in every size drawn for it; each is decoded when a title
// bar or task bar first asks for it.
QIcon pictureIcon(const std::string& name);

// An icon that draws nothing, for a window designed without one.
QIcon blankIcon();

} // namespace vatro
