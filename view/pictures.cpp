#include "pictures.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QThreadPool>

#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace vatro {

namespace {

QString resourcePath(const std::string& name) {
    return QStringLiteral(":/") + QString::fromStdString(name);
}

bool isVector(const std::string& name) {
    return name.ends_with(".svg");
}

// Drawn as an image, which any thread may draw; only the GUI thread makes pixmaps.
QImage drawVector(QSvgRenderer& renderer, QSize size, qreal devicePixelRatio) {
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage renderPictureImage(const std::string& name, QSize size, qreal devicePixelRatio) {
    if (name.empty())
        return {};
    if (!isVector(name)) {
        QImage image(resourcePath(name));
        return size.isEmpty() ? image : image.scaled(size);
    }
    QSvgRenderer renderer(resourcePath(name));
    return drawVector(renderer, size, devicePixelRatio);
}

// ---- Drawn pictures kept in the user's cache folder ----
// Drawing the main window's picture is most of what its first frame costs; later starts
// read the pixels a first start drew. A kept copy is named after its picture, size and
// pixel ratio, then after all else that shapes its pixels: the picture's own bytes, the Qt
// that drew it, and the state of the installed fonts its labels are set in. Only the
// newest copy of a picture at a size is kept.

struct KeptHeader {
    char magic[8];
    qint32 width;
    qint32 height;
    double ratio;
};
constexpr char KeptMagic[8] = {'V', 'A', 'T', 'R', 'O', 'P', 'X', '1'};
constexpr int KeptSideLimit = 1 << 14;

QString keptPath(const std::string& name, QSize size, qreal devicePixelRatio) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        return {};
    const QResource resource(resourcePath(name));
    if (!resource.isValid())
        return {};
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(resource.uncompressedData());
    key.addData(QStringLiteral("%1 %2")
                    .arg(QString::fromLatin1(qVersion()))
                    .arg(QFileInfo(QStringLiteral("/var/cache/fontconfig"))
                             .lastModified()
                             .toMSecsSinceEpoch())
                    .toUtf8());
    return folder + QStringLiteral("/pictures/") +
           QStringLiteral("%1-%2x%3@%4-")
               .arg(QString::fromStdString(name))
               .arg(size.width())
               .arg(size.height())
               .arg(devicePixelRatio) +
           QString::fromLatin1(key.result().toHex()) + QStringLiteral(".pixels");
}

// The older copies of the same picture at the same size, which the new one replaces.
void forgetOlder(const QString& path) {
    const QFileInfo kept(path);
    const QString prefix = kept.fileName().left(kept.fileName().lastIndexOf(QLatin1Char('-')) + 1);
    QDir folder = kept.dir();
    const QStringList older = folder.entryList({prefix + QStringLiteral("*.pixels")}, QDir::Files);
    for (const QString& name : older) {
        if (name != kept.fileName())
            folder.remove(name);
    }
}

QImage readKept(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    KeptHeader header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.magic, KeptMagic, sizeof KeptMagic) != 0 || header.width <= 0 ||
        header.height <= 0 || header.width > KeptSideLimit || header.height > KeptSideLimit ||
        !(header.ratio > 0 && header.ratio <= 16))
        return {};
    QImage image(header.width, header.height, QImage::Format_ARGB32_Premultiplied);
    const qint64 bytes = image.sizeInBytes();
    if (file.size() != qint64(sizeof header) + bytes ||
        file.read(reinterpret_cast<char*>(image.bits()), bytes) != bytes)
        return {};
    image.setDevicePixelRatio(header.ratio);
    return image;
}

// Written whole or not at all; a folder that cannot be written only means no copy is kept.
void keep(const QString& path, const QImage& image) {
    if (path.isEmpty() || image.isNull() || image.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    KeptHeader header{};
    std::memcpy(header.magic, KeptMagic, sizeof KeptMagic);
    header.width = image.width();
    header.height = image.height();
    header.ratio = image.devicePixelRatio();
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    if (file.commit())
        forgetOlder(path);
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
    return QPixmap::fromImage(renderPictureImage(name, size, devicePixelRatio));
}

PendingPicture::PendingPicture(const std::string& name, qreal devicePixelRatio)
    : m_name(name), m_ratio(devicePixelRatio) {
    if (name.empty())
        return;
    auto promise = std::make_shared<std::promise<QImage>>();
    m_image = promise->get_future();
    const QString path = isVector(name) ? keptPath(name, QSize(), devicePixelRatio) : QString();
    if (QImage kept = readKept(path); !kept.isNull()) {
        promise->set_value(std::move(kept));
        return;
    }
    // A thread of Qt's own pool: Qt then draws large fills on it directly rather than
    // handing their parts to yet other threads.
    QThreadPool::globalInstance()->start([promise, name, devicePixelRatio, path] {
        QImage image = renderPictureImage(name, QSize(), devicePixelRatio);
        keep(path, image);
        promise->set_value(std::move(image));
    });
}

QImage PendingPicture::take(const std::string& name, qreal devicePixelRatio) {
    if (m_image.valid() && name == m_name && devicePixelRatio == m_ratio)
        return m_image.get();
    return renderPictureImage(name, QSize(), devicePixelRatio);
}

namespace {

// Draws the picture at a size only when someone asks for that size, and keeps it: an icon
// set on a window that never shows, or on a screen with no title bar, costs nothing.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(std::string name) : m_name(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty())
            return {};
        QPixmap& drawn = m_drawn[{size.width(), size.height()}];
        if (!drawn.isNull())
            return drawn;
        if (!isVector(m_name)) {
            drawn = renderPicture(m_name, size, 1.0);
            return drawn;
        }
        const QString path = keptPath(m_name, size, 1.0);
        QImage image = readKept(path);
        if (image.isNull()) {
            // Read once for all its sizes.
            if (!m_vector)
                m_vector = std::make_shared<QSvgRenderer>(resourcePath(m_name));
            image = drawVector(*m_vector, size, 1.0);
            keep(path, image);
        }
        drawn = QPixmap::fromImage(std::move(image));
        return drawn;
    }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }
    QString key() const override { return QStringLiteral("vatro-picture"); }

private:
    std::string m_name;
    std::shared_ptr<QSvgRenderer> m_vector;
    std::map<std::pair<int, int>, QPixmap> m_drawn;
};

// One icon a picture, so that the application and its windows share the sizes drawn.
// Let go with the application, while Qt can still free pixmaps.
std::map<std::string, QIcon>* icons = nullptr;

void forgetIcons() {
    delete icons;
    icons = nullptr;
}

} // namespace

QIcon pictureIcon(const std::string& name) {
    if (name.empty())
        return {};
    if (!icons) {
        icons = new std::map<std::string, QIcon>;
        qAddPostRoutine(forgetIcons);
    }
    auto [entry, added] = icons->try_emplace(name);
    if (added)
        entry->second = QIcon(new PictureIconEngine(name));
    return entry->second;
}

} // namespace vatro
