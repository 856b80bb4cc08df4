#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vatro {

namespace {

QString resourcePath(const std::string& name) {
    return QStringLiteral(":/") + QString::fromStdString(name);
}

bool isVector(const std::string& name) {
    return name.ends_with(".svg");
}

} // namespace

QSize pictureSize(const std::string& name) {
    if (name.empty())
        return {};
    if (isVector(name)) {
        QSvgRenderer renderer(resourcePath(name));
        return renderer.isValid() ? renderer.defaultSize() : QSize();
    }
    return QPixmap(resourcePath(name)).size();
}

QPixmap renderPicture(const std::string& name, QSize size, qreal devicePixelRatio) {
    if (name.empty())
        return {};
    if (!isVector(name)) {
        QPixmap pixmap(resourcePath(name));
        return size.isEmpty() ? pixmap : pixmap.scaled(size);
    }
    QSvgRenderer renderer(resourcePath(name));
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(const std::string& name) {
    QIcon icon;
    if (name.empty())
        return icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(renderPicture(name, QSize(side, side), 1.0));
    return icon;
}

} // namespace vatro
