#include "gamefixture.h"

#include "quiz/textcodec.h"

#include <algorithm>

namespace vatro::testing {

GameTest::GameTest() : host(quiz.path()) {
    quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
}

Form1& GameTest::start() {
    m_form = std::make_unique<Form1>(host);
    m_form->Show();
    return *m_form;
}

Form1& GameTest::play(CommandButton Form1::*mode, int level) {
    start();
    registerPlayer(u"Иванов");
    if (level != 0)
        chooseLevel(level);
    (m_form.get()->*mode).click();
    m_form->Command2.click();
    return *m_form;
}

void GameTest::registerPlayer(const std::u16string& name) {
    host.names.push_back(name);
    m_form->Command6.click();
}

void GameTest::chooseLevel(int level) {
    OptionButton* options[] = {&m_form->Option1, &m_form->Option2, &m_form->Option3};
    options[level - 1]->click();
}

void GameTest::tickAfter(double seconds) {
    host.advance(seconds);
    m_form->Timer1.tick();
}

void GameTest::spell(std::u16string_view word) {
    for (char16_t letter : word) {
        bool found = false;
        for (int row = 1; row <= 17 && !found; ++row)
            for (int col = 1; col <= 20 && !found; ++col)
                if ((found = m_form->Letters(row, col) == std::u16string(1, letter)))
                    pressLetter(row, col);
        ASSERT_TRUE(found) << "no letter " << utf8(std::u16string(1, letter)) << " on the board";
    }
}

int GameTest::rowShowing(const std::u16string& word) {
    for (int row = 1; row < m_form->Grid2.Rows(); ++row)
        if (m_form->Grid2.TextMatrix(row, 1) == word)
            return row;
    return 0;
}

std::string GameTest::boardRow(int row) const {
    std::string cells;
    for (int col = 1; col <= 20; ++col)
        cells += m_form->Grid1.TextMatrix(row, col).empty()
                     ? "_"
                     : utf8(m_form->Grid1.TextMatrix(row, col));
    return cells;
}

std::string GameTest::question(int n) const {
    return " " + std::to_string(n) + " " + utf8(m_form->Questions(n));
}

std::string utf8(const std::u16string& text) {
    return utf16ToUtf8(text);
}

std::string look(const PrintSurface& surface) {
    const std::pair<Color, std::string> names[] = {{colors::Black, "{black}"},
                                                   {colors::Red, "{red}"},
                                                   {colors::Blue, "{blue}"},
                                                   {Color::rgb(35, 122, 8), "{darkgreen}"}};
    const auto tag = [&](Color c) {
        for (const auto& [color, name] : names)
            if (c == color)
                return name;
        return "{rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
               std::to_string(c.b) + ")}";
    };
    std::string text;
    for (const PrintedLine& line : surface.lines()) {
        Color color = colors::Black;
        bool bold = false;
        for (const PrintRun& run : line.runs) {
            text += (run.zone ? "{zone}" : "") + (run.color == color ? "" : tag(run.color));
            text += (run.bold == bold ? "" : run.bold ? "{bold}" : "{/bold}") + utf8(run.text);
            color = run.color;
            bold = run.bold;
        }
        text += "\n";
    }
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

std::string controlStates(const Form1& form) {
    std::vector<std::string> shown;
    std::vector<std::string> disabled;
    for (const Control* control : form.controls) {
        if (control->Visible)
            shown.push_back(utf8(control->Name));
        if (!control->Enabled)
            disabled.push_back(utf8(control->Name));
    }
    std::sort(shown.begin(), shown.end());
    std::sort(disabled.begin(), disabled.end());
    std::string text;
    for (const std::string& name : shown)
        text += name + " ";
    text += "| disabled:";
    for (const std::string& name : disabled)
        text += " " + name;
    return text;
}

} // namespace vatro::testing
