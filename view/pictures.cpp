#include "pictures.h"

#include "carrieddrawings.h"

#include <QDirIterator>
#include <QIconEngine>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace vatro {

namespace {

// "mouse" for "mouse.svg": the drawings are named after their source.
std::string drawnStem(const std::string& name) {
    return name.substr(0, name.rfind('.'));
}

const QString PackedFolder = QStringLiteral(":/pictures/");

// A drawing as the build wrote it (app/renderpictures.cpp): its whole size, the part inside
// its margin and where that lies, and the margin's colour.
struct Drawing {
    QImage part;
    QSize size;
    QPoint at;
    QColor margin;
};

// The bytes begin with nine 32-bit numbers (whole width and height, QImage format, bytes per
// line, the part's place and size, the margin's pixel), then come the part's lines, which
// the image uses where they lie; `release` lets go of them with the image.
Drawing drawingOver(const uchar* bytes, qsizetype size, QImageCleanupFunction release, void* held) {
    std::uint32_t header[9] = {};
    if (size >= qsizetype(sizeof header))
        std::memcpy(header, bytes, sizeof header);
    const auto [width, height, format, bytesPerLine, left, top, partWidth, partHeight, margin] =
        header;
    if (format >= QImage::NImageFormats ||
        size < qsizetype(sizeof header) + qsizetype(partHeight) * bytesPerLine) {
        if (release)
            release(held);
        return {};
    }
    QImage marginPixel(1, 1, QImage::Format(format));
    marginPixel.fill(margin);
    return {QImage(bytes + sizeof header, int(partWidth), int(partHeight), int(bytesPerLine),
                   QImage::Format(format), release, held),
            QSize(int(width), int(height)), QPoint(int(left), int(top)),
            marginPixel.pixelColor(0, 0)};
}

Drawing drawing(const std::string& name) {
    for (const CarriedDrawing& carried : carriedDrawings) {
        if (name == carried.name)
            return drawingOver(carried.begin, carried.end - carried.begin, nullptr, nullptr);
    }
    // Unpacked into memory of its own; lines stored unpacked are copied there too, so that
    // they start on the boundary an image needs.
    const QResource resource(PackedFolder + QString::fromStdString(name) +
                             QStringLiteral(".pixels"));
    auto* unpacked = new QByteArray(resource.uncompressedData());
    unpacked->detach();
    return drawingOver(
        reinterpret_cast<const uchar*>(unpacked->constData()), unpacked->size(),
        [](void* held) { delete static_cast<QByteArray*>(held); }, unpacked);
}

// The name of every drawing, carried or packed: "mouse", "icon-32".
std::vector<std::string> drawingNames() {
    std::vector<std::string> names;
    for (const CarriedDrawing& carried : carriedDrawings)
        names.emplace_back(carried.name);
    // Listed without a name filter, which would take a regular expression.
    for (QDirIterator files(PackedFolder, QDir::Files); files.hasNext();)
        names.push_back(files.nextFileInfo().completeBaseName().toStdString());
    return names;
}

// The picture in one image of its whole size, its margin painted in.
QImage wholeImage(const Picture& picture) {
    if (picture.isNull() || picture.part.deviceIndependentSize() == picture.size)
        return picture.part;
    const qreal ratio = picture.part.devicePixelRatio();
    QImage whole((picture.size * ratio).toSize(), picture.part.format());
    whole.setDevicePixelRatio(ratio);
    whole.fill(picture.margin);
    QPainter painter(&whole);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(picture.at, picture.part);
    return whole;
}

// The drawings of an icon, each made a pixmap only when asked for its size, nothing decoded:
// under X each window made hands the window manager every size drawn, to pick from; a
// platform without window icons asks for none.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(const std::string& stem) : m_stem(stem + '-') {
        // "icon-32" is drawn 32 pixels square.
        for (const std::string& name : drawingNames()) {
            if (name.starts_with(m_stem))
                m_sides.push_back(std::atoi(name.c_str() + m_stem.size()));
        }
        std::sort(m_sides.begin(), m_sides.end());
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : m_sides)
            sizes.push_back(QSize(side, side));
        return sizes;
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (size.isEmpty() || m_sides.empty())
            return {};
        // The smallest drawing that is large enough, else the largest.
        const int wanted = std::max(size.width(), size.height());
        const auto fits = std::lower_bound(m_sides.begin(), m_sides.end(), wanted);
        const int side = fits == m_sides.end() ? m_sides.back() : *fits;
        const QPixmap drawn =
            QPixmap::fromImage(wholeImage(picture(m_stem + std::to_string(side), 1)));
        return side == wanted ? drawn
                              : drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    bool isNull() override { return m_sides.empty(); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("vatro-drawn"); }

private:
    std::string m_stem;
    std::vector<int> m_sides;
};

} // namespace

Picture picture(const std::string& name, qreal devicePixelRatio) {
    if (name.empty())
        return {};
    const bool dense = devicePixelRatio > 1;
    const qreal drawnRatio = dense ? 2 : 1;
    const Drawing drawn = drawing(drawnStem(name) + (dense ? "@2x" : ""));
    if (drawn.part.isNull())
        return {};
    Picture result{drawn.part, QPointF(drawn.at) / drawnRatio, QSizeF(drawn.size) / drawnRatio,
                   drawn.margin};
    // A density between or beyond the two drawn is served by the nearer drawing, scaled.
    if (devicePixelRatio != drawnRatio && devicePixelRatio > 0) {
        const qreal scale = devicePixelRatio / drawnRatio;
        result.part = drawn.part.scaled(int(std::lround(drawn.part.width() * scale)),
                                        int(std::lround(drawn.part.height() * scale)),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    result.part.setDevicePixelRatio(devicePixelRatio > 0 ? devicePixelRatio : 1);
    return result;
}

void paintPicture(QPainter& painter, const Picture& picture) {
    if (picture.isNull())
        return;
    if (picture.part.deviceIndependentSize() != picture.size)
        painter.fillRect(QRectF(QPointF(), picture.size), picture.margin);
    // A window's own area less the controls over it is a clip of many rectangles, under
    // which Qt blends a large image span by span on threads it starts for that; drawn
    // rectangle by rectangle, each is a plain copy on this thread.
    const QRegion allowed = painter.paintEngine() ? painter.paintEngine()->systemClip() : QRegion();
    if (allowed.rectCount() <= 1 || painter.hasClipping()) {
        painter.drawImage(picture.at, picture.part);
        return;
    }
    const QRectF part(picture.at, picture.part.deviceIndependentSize());
    const QTransform toWindow = painter.deviceTransform().inverted();
    painter.save();
    for (const QRect& piece : allowed) {
        const QRectF clip = toWindow.mapRect(QRectF(piece)) & part;
        if (clip.isEmpty())
            continue;
        painter.setClipRect(clip);
        painter.drawImage(picture.at, picture.part);
    }
    painter.restore();
}

QImage pictureImage(const std::string& name, qreal devicePixelRatio) {
    return wholeImage(picture(name, devicePixelRatio));
}

QPixmap picturePixmap(const std::string& name, qreal devicePixelRatio) {
    return QPixmap::fromImage(pictureImage(name, devicePixelRatio));
}

// One icon for every window that shows it, the application's among them.
QIcon pictureIcon(const std::string& name) {
    if (name.empty())
        return {};
    static std::map<std::string, QIcon> made;
    const auto [known, added] = made.try_emplace(name);
    if (added) {
        auto engine = std::make_unique<DrawnIconEngine>(drawnStem(name));
        if (!engine->isNull())
            known->second = QIcon(engine.release());
    }
    return known->second;
}

QIcon blankIcon() {
    constexpr int Side = 16;
    QPixmap blank(Side, Side);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace vatro
