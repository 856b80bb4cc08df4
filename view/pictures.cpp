#include "pictures.h"

#include <QDir>
#include <QThreadPool>

#include <cmath>
#include <memory>

namespace vatro {

namespace {

const QString DrawnFolder = QStringLiteral(":/pictures/");

// "mouse" for "mouse.svg": the drawings are named after their source.
QString drawnStem(const std::string& name) {
    const QString file = QString::fromStdString(name);
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? file : file.left(dot);
}

} // namespace

QImage pictureImage(const std::string& name, qreal devicePixelRatio) {
    if (name.empty())
        return {};
    const QString stem = DrawnFolder + drawnStem(name);
    const bool dense = devicePixelRatio > 1;
    QImage image(stem + (dense ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    if (image.isNull())
        return image;
    const qreal drawnRatio = dense ? 2 : 1;
    // A density between or beyond the two drawn is served by the nearer drawing, scaled.
    if (devicePixelRatio != drawnRatio && devicePixelRatio > 0) {
        const QSize own = image.size() / drawnRatio;
        image = image.scaled(QSize(int(std::lround(own.width() * devicePixelRatio)),
                                   int(std::lround(own.height() * devicePixelRatio))),
                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(devicePixelRatio > 0 ? devicePixelRatio : 1);
    return image;
}

QPixmap picturePixmap(const std::string& name, qreal devicePixelRatio) {
    return QPixmap::fromImage(pictureImage(name, devicePixelRatio));
}

PendingPicture::PendingPicture(const std::string& name, qreal devicePixelRatio)
    : m_name(name), m_ratio(devicePixelRatio) {
    if (name.empty())
        return;
    auto promise = std::make_shared<std::promise<QImage>>();
    m_image = promise->get_future();
    // A thread of Qt's own pool: Qt then scales large pictures on it directly rather than
    // handing their parts to yet other threads.
    QThreadPool::globalInstance()->start([promise, name, devicePixelRatio] {
        promise->set_value(pictureImage(name, devicePixelRatio));
    });
}

QImage PendingPicture::take(const std::string& name, qreal devicePixelRatio) {
    if (m_image.valid() && name == m_name && devicePixelRatio == m_ratio)
        return m_image.get();
    return pictureImage(name, devicePixelRatio);
}

// Each drawing is added with its size, so Qt decodes it only when a title bar or task bar
// first asks for that size: an icon on a window that never shows costs nothing.
QIcon pictureIcon(const std::string& name) {
    if (name.empty())
        return {};
    const QString prefix = drawnStem(name) + QLatin1Char('-');
    QIcon icon;
    // "icon-32.png" is drawn 32 pixels square.
    for (const QString& file :
         QDir(DrawnFolder).entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        if (const int side = file.mid(prefix.size()).chopped(4).toInt(); side > 0)
            icon.addFile(DrawnFolder + file, QSize(side, side));
    }
    return icon;
}

QIcon blankIcon() {
    constexpr int Side = 16;
    QPixmap blank(Side, Side);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace vatro
