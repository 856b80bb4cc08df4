#include "lessonprint.h"

#include "gradechart.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vatro {

namespace {

QString cellText(const QAbstractItemModel& table, int row, int column) {
    // A name typed with a line break is printed on one line.
    QString text = table.data(table.index(row, column), Qt::DisplayRole).toString();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

Qt::Alignment cellAlignment(const QAbstractItemModel& table, int row, int column) {
    const QVariant alignment = table.data(table.index(row, column), Qt::TextAlignmentRole);
    return alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft;
}

} // namespace

bool printLesson(QPagedPaintDevice& device, const PrintedLesson& lesson) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QAbstractItemModel& table = *lesson.table;
    const QSizeF page(device.width(), device.height()); // the printable area, in its pixels

    QFont font = QApplication::font();
    font.setPointSizeF(9);
    QFont bold = font;
    bold.setBold(true);
    QFont heading = font;
    heading.setPointSizeF(13);
    heading.setBold(true);
    const QFontMetricsF metrics(font, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const qreal line = metrics.lineSpacing();
    const qreal rowHeight = std::ceil(line * 1.35);
    const qreal padding = metrics.averageCharWidth();

    // Columns as wide as their widest cell, narrowed together when the page is narrower.
    const int columns = table.columnCount();
    const int rows = table.rowCount();
    std::vector<qreal> widths(static_cast<std::size_t>(columns));
    qreal total = 0;
    for (int c = 0; c < columns; ++c) {
        qreal widest = boldMetrics.horizontalAdvance(
            table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < rows; ++r)
            widest = std::max(widest, metrics.horizontalAdvance(cellText(table, r, c)));
        widths[static_cast<std::size_t>(c)] = widest + 2 * padding;
        total += widths[static_cast<std::size_t>(c)];
    }
    if (total > page.width()) {
        for (qreal& width : widths)
            width *= page.width() / total;
        total = page.width();
    }

    const qreal titleHeight = QFontMetricsF(heading, &device).lineSpacing() * 1.3;
    const qreal noteHeight = lesson.note.isEmpty() ? 0 : line * 1.3;
    const qreal chartHeight = std::min(page.height() * 0.3, line * 11);
    const qreal footer = line * 1.5;
    const qreal firstTop = titleHeight + noteHeight + chartHeight + line;
    const int firstRows = std::max(0, int((page.height() - footer - firstTop) / rowHeight) - 1);
    const int otherRows = std::max(1, int((page.height() - footer) / rowHeight) - 1);
    const int pages = 1 + (rows > firstRows ? (rows - firstRows + otherRows - 1) / otherRows : 0);
    const QColor ink(0, 0, 0);
    const QColor rule(170, 170, 170);

    int row = 0;
    for (int pageNumber = 1; pageNumber <= pages; ++pageNumber) {
        if (pageNumber > 1 && !device.newPage())
            return false;
        qreal y = 0;
        painter.setPen(ink);
        if (pageNumber == 1) {
            painter.setFont(heading);
            painter.drawText(QRectF(0, 0, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                             lesson.title);
            y = titleHeight;
            if (!lesson.note.isEmpty()) {
                painter.setFont(font);
                painter.drawText(QRectF(0, y, page.width(), noteHeight),
                                 Qt::AlignLeft | Qt::AlignTop, lesson.note);
                y += noteHeight;
            }
            drawGradeChart(painter, QRectF(0, y, std::min(page.width(), line * 36), chartHeight),
                           lesson.grades, font, ink);
            y += chartHeight + line;
        }
        // The header, on every page.
        painter.fillRect(QRectF(0, y, total, rowHeight), QColor(230, 230, 230));
        painter.setFont(bold);
        qreal x = 0;
        for (int c = 0; c < columns; ++c) {
            const qreal width = widths[static_cast<std::size_t>(c)];
            const QString title = table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            painter.drawText(QRectF(x + padding, y, width - 2 * padding, rowHeight),
                             Qt::AlignVCenter | Qt::AlignLeft,
                             boldMetrics.elidedText(title, Qt::ElideRight, width - 2 * padding));
            x += width;
        }
        y += rowHeight;
        painter.setFont(font);
        const int last = std::min(rows, row + (pageNumber == 1 ? firstRows : otherRows));
        for (; row < last; ++row) {
            x = 0;
            for (int c = 0; c < columns; ++c) {
                const qreal width = widths[static_cast<std::size_t>(c)];
                painter.drawText(QRectF(x + padding, y, width - 2 * padding, rowHeight),
                                 Qt::AlignVCenter |
                                     (cellAlignment(table, row, c) & Qt::AlignHorizontal_Mask),
                                 metrics.elidedText(cellText(table, row, c), Qt::ElideRight,
                                                    width - 2 * padding));
                x += width;
            }
            y += rowHeight;
            painter.setPen(rule);
            painter.drawLine(QPointF(0, y), QPointF(x, y));
            painter.setPen(ink);
        }
        painter.drawText(QRectF(0, page.height() - footer, page.width(), footer),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("стр. %1 из %2").arg(pageNumber).arg(pages));
    }
    return painter.end();
}

} // namespace vatro
