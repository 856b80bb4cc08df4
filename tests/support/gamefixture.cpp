#include "gamefixture.h"

#include "game/textcodec.h"

namespace vatro::testing {

GameTest::GameTest() : host(quiz.path()) {
    quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
}

Form1& GameTest::start() {
    m_form = std::make_unique<Form1>(host);
    m_form->Show();
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
        for (int row = 1; row <= 17 && !found; ++row) {
            for (int col = 1; col <= 20 && !found; ++col) {
                if (m_form->Letters(row, col) == std::u16string(1, letter)) {
                    pressLetter(row, col);
                    found = true;
                }
            }
        }
        ASSERT_TRUE(found) << "no letter " << utf8(std::u16string(1, letter)) << " on the board";
    }
}

std::string utf8(const std::u16string& text) {
    return utf16ToUtf8(text);
}

} // namespace vatro::testing
