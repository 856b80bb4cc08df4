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
    surfaceName = u"Об авторах";
    EscapeCloses = true;
}

void CreditsWindow::Form_Load() {
    // What is true of this program: who made it, what it is for, how a teacher checks a
    // quiz of their own, where a fault goes, and where the sample questions come from.
    static const char16_t* const beside[] = {
        u" Автор программы: Команда Ватро",
        u" Игра-викторина для уроков физики",
        u" Для любой школы: вопросы пишет свой учитель",
        u" Проверить свою викторину: vatro-check ~/Ватро",
        u" О неполадках игры сообщите Команде Ватро",
    };
    static const char16_t* const below[] = {
        u" Вопросы примера: викторина по электромагнетизму, входящая в «Ватро»",
        u" Составитель вопросов примера: Команда Ватро",
        u" Пример установлен вместе с игрой: /usr/share/vatro/quiz",
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
