#include "pictures.h"

#include <QDir>
#include <QIconEngine>
#include <QPainter>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

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

namespace {

// The drawings of an icon, each decoded only when a title bar or task bar first asks for a
// size: an icon set on a window that never shows, or on a screen without title bars, costs
// nothing.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(const std::string& name) : m_stem(drawnStem(name)) {
        const QString prefix = m_stem + QLatin1Char('-');
        const QStringList files =
            QDir(DrawnFolder).entryList({prefix + QStringLiteral("*.png")}, QDir::Files);
        // "icon-32.png" is drawn 32 pixels square.
        for (const QString& file : files) {
            if (const int side = file.mid(prefix.size()).chopped(4).toInt(); side > 0)
                m_sides.push_back(side);
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
        QPixmap& drawn = m_drawn[side];
        if (drawn.isNull())
            drawn = QPixmap(DrawnFolder + m_stem + QStringLiteral("-%1.png").arg(side));
        return side == wanted ? drawn
                              : drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("vatro-drawn"); }

private:
    QString m_stem;
    std::vector<int> m_sides;
    std::map<int, QPixmap> m_drawn;
};

} // namespace

QIcon pictureIcon(const std::string& name) {
    return name.empty() ? QIcon() : QIcon(new DrawnIconEngine(name));
}

QIcon blankIcon() {
    constexpr int Side = 16;
    QPixmap blank(Side, Side);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace vatro
