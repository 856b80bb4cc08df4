#include "printview.h"

#include "colormap.h"
#include "fontmap.h"
#include "twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vatro {

namespace {
constexpr int ZoneColumns = 14;
// Room for glyphs that reach past their advance or their line, as bold and script
// letters do.
constexpr int InkMargin = 3;

// Walks the display list with real font metrics, handing each text with its place to
// the drawer; returns the area the texts cover.
template <class Draw>
QRect walkPrintSurface(const PrintSurface& surface, QFont font, double dpi,
                       const QPaintDevice* device, Draw&& draw) {
    QRect covered;
    int x = 0;
    int y = 0;
    for (const PrintOp& op : surface.ops()) {
        switch (op.kind) {
        case PrintOp::Kind::Color:
            draw.color(op.color);
            break;
        case PrintOp::Kind::Bold:
            font.setBold(op.flag);
            draw.font(font);
            break;
        case PrintOp::Kind::MoveX:
            x = twipsToPx(op.twips, dpi);
            break;
        case PrintOp::Kind::MoveY:
            y = twipsToPx(op.twips, dpi);
            break;
        case PrintOp::Kind::Zone: {
            const int zone = printZoneWidth(font, device);
            x = (x >= 0 ? x / zone + 1 : 0) * zone;
            break;
        }
        case PrintOp::Kind::Text: {
            const QFontMetrics metrics(font, device);
            const QString text = QString::fromStdU16String(op.text);
            const int advance = metrics.horizontalAdvance(text);
            draw.text(QPoint(x, y + metrics.ascent()), text);
            if (!text.isEmpty())
                covered |= QRect(x, y, advance, metrics.height())
                               .adjusted(-InkMargin, -InkMargin, InkMargin, InkMargin);
            x += advance;
            break;
        }
        case PrintOp::Kind::NewLine:
            x = 0;
            y += QFontMetrics(font, device).lineSpacing();
            break;
        }
    }
    return covered;
}

struct Painting {
    QPainter& painter;
    const QPalette& palette;
    void color(const Color& color) { painter.setPen(qtColor(color, palette)); }
    void font(const QFont& font) { painter.setFont(font); }
    void text(QPoint at, const QString& text) { drawFontText(painter, at, text); }
};

struct Measuring {
    void color(const Color&) {}
    void font(const QFont&) {}
    void text(QPoint, const QString&) {}
};

} // namespace

int printZoneWidth(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics(font, device);
    return std::max(1, ZoneColumns * metrics.averageCharWidth());
}

QRect paintPrintSurface(QPainter& painter, const PrintSurface& surface, QFont font, double dpi,
                        const QPalette& palette) {
    painter.save();
    painter.setFont(font);
    painter.setPen(qtColor(surface.designColor(), palette));
    Painting painting{painter, palette};
    const QRect covered = walkPrintSurface(surface, font, dpi, painter.device(), painting);
    painter.restore();
    return covered;
}

QRect printSurfaceArea(const PrintSurface& surface, const QFont& font, double dpi,
                       const QPaintDevice* device) {
    Measuring measuring;
    return walkPrintSurface(surface, font, dpi, device, measuring);
}

} // namespace vatro
