#include "helpwindow.h"

#include "quiz/quizfacts.h"
#include "quiz/fieldreader.h"

namespace vatro {

HelpWindow::HelpWindow(Host& host) : Window(colors::Blue), m_host(host) {
    restoreDesign();
    Load = [this] { Form_Load(); };
    MouseUp = [this](int button, int shift, double x, double y) {
        Form_MouseUp(button, shift, x, y);
    };
    Click = [this] { Form_Click(); };
    Resize = [this] { Form_Resize(); };
    Command1.Click = [this] { Command1_Click(); };
}

void HelpWindow::restoreDesign() {
    Name = u"Form2";
    Caption = u"Ватро1";
    ScaleWidth = 8985;
    ScaleHeight = 3690;
    font = Font{u"Times New Roman", 15.75, false, false};
    Command1.Name = u"Command1";
    Command1.Caption = u"Дополнительно";
    Command1.place(5160, 3240, 2535, 375);
    Command1.TabIndex = 0;
    controls = {&Command1};
    HelpLine.clear();
}

void HelpWindow::printInstructions() {
    surface.setForeColor(colors::Blue);
    surface.Print({u" После нажатия кнопки -Пуск-,"});
    surface.Print({u" кликни левой кнопкой мышки букву или слово из списка,"});
    surface.Print({u" чтобы слово сравнить с ответом,"});
    surface.Print({u" жми среднюю кнопку мышки или -Ввод- или -Пробел-"});
    surface.Print({u" Правой кнопкой можно убрать последнюю букву"});
    surface.Print({u" или слово, а кнопкой -Очистка- стереть всё слово."});
    surface.Print();
    surface.setForeColor(colors::Red);
    surface.Print({u"Щёлкни мышкой по данному окну"});
    surface.setForeColor(colors::Black);
}

void HelpWindow::Form_Load() {
    printInstructions();
}

void HelpWindow::Form_MouseUp(int, int, double, double) {
    surface.Cls();
    printInstructions();
}

void HelpWindow::Form_Click() {
    Hide();
}

void HelpWindow::Form_Resize() {
    Command1.Top = ScaleHeight - 700;
    Command1.Left = ScaleWidth - 3700;
}

void HelpWindow::Command1_Click() {
    surface.Cls();
    const std::optional<std::filesystem::path> folder = m_host.quizFolder();
    const FieldFile file =
        folder ? readFieldFile(*folder, HelpFileInfo.name, HelpFileInfo.capacity) : FieldFile{};
    if (!folder || !file.ok()) {
        // The help file is the teacher's; without it the game simply goes on.
        const std::u16string text =
            folder
                ? describeProblem(*file.problem, *folder, HelpFileInfo.name, HelpFileInfo.capacity)
                : describeLostFolder();
        const std::size_t lineEnd = text.find(u'\n');
        surface.Print({u" " + text.substr(0, lineEnd)});
        if (lineEnd != std::u16string::npos)
            surface.Print({u" " + text.substr(lineEnd + 1)});
        return;
    }
    for (const std::u16string& field : file.fields) {
        HelpLine = field;
        surface.Print({u" " + HelpLine});
    }
}

} // namespace vatro
