#include "pictures.h"

#include <QDirIterator>
#include <QIconEngine>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstdint>
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

const QString DrawnFolder = QStringLiteral(":/pictures/");

// A drawing's pixels as the build wrote them: a header of four 32-bit numbers (width, height,
// QImage format, bytes per line), then the lines. Unpacked into memory of its own, whose
// lines the image uses in place; a drawing stored unpacked is copied there, so that its
// lines start on the boundary an image needs.
QImage drawnImage(const std::string& drawing) {
    const QResource resource(DrawnFolder + QString::fromStdString(drawing) +
                             QStringLiteral(".pixels"));
    auto bytes = std::make_unique<QByteArray>(resource.uncompressedData());
    bytes->detach();
    std::uint32_t header[4] = {};
    if (bytes->size() < qsizetype(sizeof header))
        return {};
    std::memcpy(header, bytes->constData(), sizeof header);
    const auto [width, height, format, bytesPerLine] = header;
    if (bytes->size() < qsizetype(sizeof header) + qsizetype(height) * bytesPerLine)
        return {};
    const auto* lines = reinterpret_cast<const uchar*>(bytes->constData()) + sizeof header;
    return QImage(
        lines, int(width), int(height), int(bytesPerLine), QImage::Format(format),
        [](void* unpacked) { delete static_cast<QByteArray*>(unpacked); }, bytes.release());
}

// The drawings of an icon, each made a pixmap only when a title bar or task bar first asks
// for its size; the window system is told every size drawn, and picks.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(const std::string& stem) : m_stem(stem + '-') {
        // "icon-32.pixels" is drawn 32 pixels square. Read without a name filter, which
        // would take a regular expression.
        const QString prefix = QString::fromStdString(m_stem);
        for (QDirIterator files(DrawnFolder, QDir::Files); files.hasNext();) {
            const QString name = files.nextFileInfo().fileName();
            if (name.startsWith(prefix))
                m_sides.push_back(name.mid(prefix.size()).section(QLatin1Char('.'), 0, 0).toInt());
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
            QPixmap::fromImage(drawnImage(m_stem + std::to_string(side)), Qt::NoFormatConversion);
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

QImage pictureImage(const std::string& name, qreal devicePixelRatio) {
    if (name.empty())
        return {};
    const bool dense = devicePixelRatio > 1;
    QImage image = drawnImage(drawnStem(name) + (dense ? "@2x" : ""));
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
