#pragma once

#include "fakehost.h"
#include "game/form1.h"
#include "quizfolder.h"
#include "ui/controls/keycodes.h"

#include <gtest/gtest.h>
#include <memory>

namespace vatro::testing {

// A game on a quiz folder of the test's own, with a fake host.
class GameTest : public ::testing::Test {
protected:
    // Writes the small quiz; a test may overwrite files before start().
    GameTest();

    // Creates the main window and runs its start-up.
    Form1& start();
    Form1& form() { return *m_form; }

    // A player registered by "Новый игрок" under the name.
    void registerPlayer(const std::u16string& name);
    // A level option clicked by the user: 1 "User1", 2 "Мастер", 3 "User2".
    void chooseLevel(int level);
    // One clock tick after the clock moved on by the seconds.
    void tickAfter(double seconds);

    // The printed texts of the main window.
    std::vector<std::u16string> printed() const { return m_form->surface.texts(); }

    // Presses on the grids through their own behaviour, as a user would.
    void pressLetter(int row, int col, int button = 1) { m_form->Grid1.press(button, 0, row, col); }
    void pressWord(int row, int button = 1) { m_form->Grid2.press(button, 0, row, 1); }
    void pressGrid1(int button) {
        m_form->Grid1.press(button, 0, m_form->Grid1.Row, m_form->Grid1.Col);
    }
    void pressGrid2(int button) { m_form->Grid2.press(button, 0, m_form->Grid2.Row, 1); }
    // Picks the word from the board: each letter from the first cell that holds it.
    void spell(std::u16string_view word);

    QuizFolder quiz;
    FakeHost host;

private:
    std::unique_ptr<Form1> m_form;
};

// gtest prints u16strings as numbers; these read as text.
std::string utf8(const std::u16string& text);

} // namespace vatro::testing
