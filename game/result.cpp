// "Результат": the share of right answers, the grade, its window and the printed result.
#include "form1.h"
#include "results/graderules.h"

namespace vatro {

void Form1::Command5_Click() {
    surface.Cls();
    Command6.Enabled = true;

    // Without a registered player there are no points to count.
    const bool registered = Points.contains(PlayerNo);
    const int points = registered ? Points(PlayerNo) : 0;
    const int visibleGrids = (Grid1.Visible ? 1 : 0) + (Grid2.Visible ? 1 : 0);
    if (QuestionNo >= 1 && visibleGrids <= 1 && QuestionCount != 0)
        Percent = shareOfRight(points, QuestionCount);
    if (QuestionNo >= 1 && Option2.Value())
        Percent = shareOfRight(points, QuestionNo);

    const int grade = gradeFor(Percent);
    GradeWindow* const windows[] = {&Form6, &Form5, &Form4, &Form3};
    if (GradeWindow* window = grade ? windows[grade - 2] : nullptr) {
        if (registered)
            Grade(PlayerNo) = grade;
        noteGradeGiven();
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
