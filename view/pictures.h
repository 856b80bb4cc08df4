#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <future>
#include <string>

namespace vatro {

// Pictures are embedded resources named as the window models name them ("mouse.svg").

// The picture's own size in device-independent pixels; empty when there is no such picture.
QSize pictureSize(const std::string& name);

// The picture drawn at the size (its own when empty) for a screen of the pixel ratio, so
// that it stays crisp on high-density screens.
QPixmap renderPicture(const std::string& name, QSize size, qreal devicePixelRatio);

// A window's picture at its own size, begun the moment the window is made so that it is
// ready, or nearly, when the window first paints: read from the copy an earlier start kept
// in the user's cache folder, or else drawn on another thread and a copy kept.
class PendingPicture {
public:
    PendingPicture() = default;
    PendingPicture(const std::string& name, qreal devicePixelRatio);

    // The picture as renderPicture draws it at its own size, as an image: the one begun if
    // it is the same, waiting for it to be done; else drawn now.
    QImage take(const std::string& name, qreal devicePixelRatio);

private:
    std::string m_name;
    qreal m_ratio = 0;
    std::future<QImage> m_image;
};

// The picture as a window icon, drawn in each size a title bar or task bar asks for when
// it first asks.
QIcon pictureIcon(const std::string& name);

} // namespace vatro
