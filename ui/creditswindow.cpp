#include "creditswindow.h"

namespace vatro {

CreditsWindow::CreditsWindow() : Window(colors::Blue) {
    restoreDesign();
    Load = [this] { Form_Load(); };
    Click = [this] { Form_Click(); };
}

void CreditsWindow::restoreDesign() {
    Name = u"Form7";
    Caption = u"Ватро6";
    ScaleWidth = 8145;
    ScaleHeight = 4455;
    font = Font{u"MS Sans Serif", 9.75, true, false};
    Picture = "portrait.svg";
}

void CreditsWindow::Form_Load() {
    // A school that installs the game puts its own details here.
    static const char16_t* const beside[] = {
        u" Автор программы: Команда Ватро",
        u" Учитель физики и информатики",
        u" Школа: (название школы)",
        u" Район, область: (район, область)",
        u" Индекс, село, телефон: (индекс, село, рабочий телефон)",
    };
    static const char16_t* const below[] = {
        u" Вопросы: пример викторины по электромагнетизму, входящий в «Ватро»",
        u" Составитель вопросов: Команда Ватро",
        u" Школа, город, область: (школа, город, область)",
    };
    for (const char16_t* line : beside) {
        surface.setCurrentX(2200);
        surface.Print({line});
    }
    surface.setCurrentY(3500);
    for (const char16_t* line : below)
        surface.Print({line});
}

void CreditsWindow::Form_Click() {
    Hide();
}

} // namespace vatro
