#include "printview.h"

#include "colormap.h"
#include "twips.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vatro {

namespace {
constexpr int ZoneColumns = 14;
}

int printZoneWidth(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics(font, device);
    return std::max(1, ZoneColumns * metrics.averageCharWidth());
}

void paintPrintSurface(QPainter& painter, const PrintSurface& surface, QFont font, double dpi,
                       const QPalette& palette) {
    painter.save();
    painter.setFont(font);
    painter.setPen(qtColor(surface.designColor(), palette));
    int x = 0;
    int y = 0;
    for (const PrintOp& op : surface.ops()) {
        switch (op.kind) {
        case PrintOp::Kind::Color:
            painter.setPen(qtColor(op.color, palette));
            break;
        case PrintOp::Kind::Bold:
            font.setBold(op.flag);
            painter.setFont(font);
            break;
        case PrintOp::Kind::MoveX:
            x = twipsToPx(op.twips, dpi);
            break;
        case PrintOp::Kind::MoveY:
            y = twipsToPx(op.twips, dpi);
            break;
        case PrintOp::Kind::Zone: {
            const int zone = printZoneWidth(font, painter.device());
            x = (x >= 0 ? x / zone + 1 : 0) * zone;
            break;
        }
        case PrintOp::Kind::Text: {
            const QFontMetrics metrics(font, painter.device());
            const QString text = QString::fromStdU16String(op.text);
            painter.drawText(QPoint(x, y + metrics.ascent()), text);
            x += metrics.horizontalAdvance(text);
            break;
        }
        case PrintOp::Kind::NewLine:
            x = 0;
            y += QFontMetrics(font, painter.device()).lineSpacing();
            break;
        }
    }
    painter.restore();
}

} // namespace vatro
