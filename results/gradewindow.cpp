#include "gradewindow.h"

#include "ui/gradelooks.h"

namespace vatro {

GradeWindow::GradeWindow(int grade) : Window(gradeLook(grade).color), m_grade(grade) {
    const GradeLook& look = gradeLook(grade);
    Name = look.name;
    Caption = look.caption;
    font = look.font;
    ScaleWidth = look.width;
    ScaleHeight = look.height;
    Resizable = false;
    surfaceName = u"Оценка";
    EscapeCloses = true;
    Load = [this] { Form_Load(); };
    Click = [this] { Form_Click(); };
}

void GradeWindow::Form_Load() {
    surface.Print({gradeLook(m_grade).word});
    surface.Print();
    surface.Print({u"Щёлкни по окну"});
}

void GradeWindow::Form_Click() {
    Hide();
}

} // namespace vatro
