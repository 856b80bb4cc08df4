#pragma once

#include "results/lessontable.h"

#include <QWidget>

class QPainter;

namespace vatro {

// Draws a lesson's grades at a glance into the area: a bar for each of 2, 3, 4 and 5 in the
// colour of the game's window for that grade, one for the pupils without a grade, the count
// over each bar and the class's mean grade above them. The same drawing goes to the screen
// and to a printed page, in the painter's own resolution.
void drawGradeChart(QPainter& painter, const QRectF& area, const GradeSummary& grades,
                    const QFont& font, const QColor& text);

// The words a screen reader says for the chart, and the chart's first line.
QString gradeChartSummary(const GradeSummary& grades);

class GradeChart : public QWidget {
    Q_OBJECT
public:
    explicit GradeChart(QWidget* parent = nullptr);

    void setGrades(const GradeSummary& grades);
    const GradeSummary& grades() const { return m_grades; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GradeSummary m_grades;
};

} // namespace vatro
