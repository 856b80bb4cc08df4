// "Результат": the share of right answers, the grade, its window and the printed result.
#include "game/form1.h"

#include <cmath>

namespace vatro {

namespace {
double share(int points, int outOf) {
    // Division first, then × 100, then down to a whole number: 29 of 50 gives 57.
    return std::floor(static_cast<double>(points) / outOf * 100);
}
} // namespace

void Form1::Command5_Click() {
    surface.Cls();
    Command6.Enabled = true;

    // Without a registered player there are no points to count.
    const bool registered = Points.contains(PlayerNo);
    const int points = registered ? Points(PlayerNo) : 0;
    const int visibleGrids = (Grid1.Visible ? 1 : 0) + (Grid2.Visible ? 1 : 0);
    if (QuestionNo >= 1 && visibleGrids <= 1 && QuestionCount != 0)
        Percent = share(points, QuestionCount);
    if (QuestionNo >= 1 && Option2.Value())
        Percent = share(points, QuestionNo);

    GradeWindow* window = nullptr;
    int grade = 0;
    if (Percent >= 1 && Percent <= 50) {
        grade = 2;
        window = &Form6;
    } else if (Percent > 50 && Percent <= 70) {
        grade = 3;
        window = &Form5;
    } else if (Percent > 70 && Percent <= 90) {
        grade = 4;
        window = &Form4;
    } else if (Percent > 90) {
        grade = 5;
        window = &Form3;
    }
    if (window) {
        if (registered)
            Grade(PlayerNo) = grade;
        window->Show();
    }

    if (QuestionNo >= 1) {
        surface.Print({u" Из "}, true);
        surface.setForeColor(colors::Red);
        surface.Print({PrintItem::number(QuestionCount)}, true);
        surface.setForeColor(colors::Black);
        surface.Print({u"вопросов"});

        surface.Print({u" Вы набрали баллов"}, true);
        surface.setForeColor(colors::Red);
        surface.Print({PrintItem::number(points), PrintItem::zone()}, true);
        surface.setForeColor(colors::Black);
        surface.Print({u"сделали ошибок"}, true);
        surface.setForeColor(colors::Red);
        surface.Print({PrintItem::number(registered ? Mistakes(PlayerNo) : 0)}, true);
        surface.setForeColor(colors::Black);
        surface.Print();

        surface.Print({u" Ваша оценка "}, true);
        surface.setForeColor(colors::Red);
        surface.Print({PrintItem::number(registered ? Grade(PlayerNo) : grade)}, true);
        surface.setForeColor(colors::Black);
        surface.Print();
    } else {
        surface.Print({u" Надо сделать хотя бы 1 ход!"});
    }

    Answer.clear();
    updateJournal();
}

} // namespace vatro
