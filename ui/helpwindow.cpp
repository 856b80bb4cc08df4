#include "helpwindow.h"

#include "quiz/fieldreader.h"
#include "quiz/quizfacts.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace vatro {

namespace {

// The window neither wraps nor scrolls, and a problem names a whole folder: its lines are
// cut to what the window's width holds of its font, with room to spare for wide letters.
constexpr std::size_t ProblemLineLetters = 48;

// The text's lines, each broken at blanks into lines of at most width characters; a word
// longer than that (a folder's path) is cut.
std::vector<std::u16string> wrappedLines(std::u16string_view text, std::size_t width) {
    std::vector<std::u16string> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        std::u16string_view rest = text.substr(start, end - start);
        do {
            std::size_t cut = rest.size();
            if (cut > width) {
                const std::size_t blank = rest.substr(0, width + 1).rfind(u' ');
                cut = blank == std::u16string_view::npos || blank == 0 ? width : blank;
            }
            lines.emplace_back(rest.substr(0, cut));
            rest.remove_prefix(cut);
            while (!rest.empty() && rest.front() == u' ')
                rest.remove_prefix(1);
        } while (!rest.empty());
        start = end + 1;
    }
    return lines;
}

} // namespace

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
    surfaceName = u"Справка";
    EscapeCloses = true;
    Command1.Name = u"Command1";
    Command1.Caption = u"Дополнительно";
    Command1.place(5160, 3240, 2535, 375);
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
        for (const std::u16string& line : wrappedLines(text, ProblemLineLetters))
            surface.Print({u" " + line});
        return;
    }
    for (const std::u16string& field : file.fields) {
        HelpLine = field;
        surface.Print({u" " + HelpLine});
    }
}

} // namespace vatro
