#include "gradechart.h"

#include "ui/gradelooks.h"
#include "view/colormap.h"
#include "view/editor/qttext.h"

#include <QPainter>

#include <algorithm>

namespace vatro {

namespace {

constexpr int Bars = 5; // 2, 3, 4, 5 and none

QString barLabel(int bar) {
    return bar < 4 ? QString::number(bar + 2) : QStringLiteral("без оценки");
}

std::size_t barCount(const GradeSummary& grades, int bar) {
    return bar < 4 ? grades.withGrade[static_cast<std::size_t>(bar)] : grades.withoutGrade;
}

QColor barColor(int bar, const QPalette& palette) {
    return bar < 4 ? qtColor(gradeLook(bar + 2).color, palette) : QColor(150, 150, 150);
}

} // namespace

QString gradeChartSummary(const GradeSummary& grades) {
    std::size_t all = grades.withoutGrade;
    for (const std::size_t count : grades.withGrade)
        all += count;
    const std::size_t graded = all - grades.withoutGrade;
    return QStringLiteral("Средняя оценка %1, оценку получили %2 из %3")
        .arg(qt(meanGradeText(grades)))
        .arg(graded)
        .arg(all);
}

void drawGradeChart(QPainter& painter, const QRectF& area, const GradeSummary& grades,
                    const QFont& font, const QColor& text) {
    painter.save();
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, painter.device());
    const qreal line = metrics.lineSpacing();
    const qreal gap = line / 2;

    painter.setFont(bold);
    painter.setPen(text);
    const QRectF title(area.left(), area.top(), area.width(), line);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(bold, painter.device())
                         .elidedText(gradeChartSummary(grades), Qt::ElideRight, area.width()));

    painter.setFont(font);
    const qreal top = title.bottom() + gap + line; // room for the counts over the tallest bar
    const qreal baseline = area.bottom() - line - gap / 2;
    const qreal height = std::max<qreal>(0, baseline - top);
    const qreal slot = area.width() / Bars;
    std::size_t most = 1;
    for (int bar = 0; bar < Bars; ++bar)
        most = std::max(most, barCount(grades, bar));
    const QPalette palette;
    for (int bar = 0; bar < Bars; ++bar) {
        const std::size_t count = barCount(grades, bar);
        const qreal width = std::min(slot * 0.6, line * 4);
        const qreal left = area.left() + slot * bar + (slot - width) / 2;
        const qreal tall = height * static_cast<qreal>(count) / static_cast<qreal>(most);
        const QRectF body(left, baseline - tall, width, tall);
        painter.fillRect(body, barColor(bar, palette));
        painter.drawText(QRectF(area.left() + slot * bar, body.top() - line, slot, line),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(count));
        painter.drawText(QRectF(area.left() + slot * bar, baseline + gap / 4, slot, line),
                         Qt::AlignHCenter | Qt::AlignTop,
                         metrics.elidedText(barLabel(bar), Qt::ElideRight, slot));
    }
    QPen axis(text);
    axis.setWidthF(std::max<qreal>(1, line / 16));
    painter.setPen(axis);
    painter.drawLine(QPointF(area.left(), baseline), QPointF(area.right(), baseline));
    painter.restore();
}

GradeChart::GradeChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Оценки урока"));
    setGrades({});
}

void GradeChart::setGrades(const GradeSummary& grades) {
    m_grades = grades;
    QStringList counts;
    for (int bar = 0; bar < Bars; ++bar)
        counts << barLabel(bar) + QStringLiteral(": ") + QString::number(barCount(grades, bar));
    setAccessibleDescription(gradeChartSummary(grades) + QStringLiteral(". ") +
                             counts.join(QStringLiteral(", ")));
    update();
}

QSize GradeChart::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 80, fontMetrics().lineSpacing() * 12};
}

QSize GradeChart::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 40, fontMetrics().lineSpacing() * 6};
}

void GradeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int margin = fontMetrics().lineSpacing() / 2;
    drawGradeChart(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), m_grades,
                   font(), palette().color(QPalette::WindowText));
}

} // namespace vatro
