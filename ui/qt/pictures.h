#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <string>

namespace vatro {

// Pictures are embedded resources named as the window models name them ("mouse.svg").

// The picture's own size in device-independent pixels; empty when there is no such picture.
QSize pictureSize(const std::string& name);

// The picture drawn at the size (its own when empty) for a screen of the pixel ratio, so
// that it stays crisp on high-density screens.
QPixmap renderPicture(const std::string& name, QSize size, qreal devicePixelRatio);

// The picture as a window icon, in the sizes title bars and task bars ask for.
QIcon pictureIcon(const std::string& name);

} // namespace vatro
