#pragma once

#include "fakehost.h"
#include "game/form1.h"
#include "quizfolder.h"
#include "ui/controls/keycodes.h"

#include <gtest/gtest.h>
#include <memory>

namespace vatro::testing {

// The printed lines of a window, joined by '\n', as a reader sees them: a stretch that is
// not black regular text is tagged where it starts: {red}, {blue}, {darkgreen} (35, 122,
// 8), {rgb(r,g,b)}, {bold}, back to {black} or {/bold}; {zone}: it starts at the next zone.
std::string look(const PrintSurface& surface);

// A game on a quiz folder of the test's own (the small quiz until the test rewrites it),
// with a fake host.
class GameTest : public ::testing::Test {
protected:
    GameTest();

    // Creates the main window and runs its start-up.
    Form1& start();
    Form1& form() { return *m_form; }
    // Starts the game, registers "Иванов", chooses the level (1 "User1", 2 "Мастер",
    // 3 "User2"; 0 none), clicks the mode button (Command8 "Игра2", Command9 "Игра1",
    // Command10 "Обучалка") and poses the first question.
    Form1& play(CommandButton Form1::*mode, int level = 1);

    void registerPlayer(const std::u16string& name);
    void chooseLevel(int level);
    // One clock tick after the clock moved on by the seconds.
    void tickAfter(double seconds);

    // Presses as a user makes them, through the grids' own behaviour.
    void pressLetter(int row, int col, int button = mouse::Left) {
        m_form->Grid1.press(button, 0, row, col);
    }
    void pressWord(int row, int button = mouse::Left) { m_form->Grid2.press(button, 0, row, 1); }
    // A press of the button on the grid's current cell.
    void pressGrid1(int button) { pressLetter(m_form->Grid1.Row, m_form->Grid1.Col, button); }
    void pressGrid2(int button) { pressWord(m_form->Grid2.Row, button); }
    // Picks each letter of the word from the first cell of the board that holds it.
    void spell(std::u16string_view word);
    // The row of the word list that shows the word; 0 when none does.
    int rowShowing(const std::u16string& word);
    // The cells of a board row as the board shows them, "_" for a blank cell.
    std::string boardRow(int row) const;

    std::vector<std::u16string> printed() const { return m_form->surface.texts(); }
    // What the main window prints, as look() reads it.
    std::string screen() const { return look(m_form->surface); }
    // Question n as a redraw prints it: the number framed by blanks, then the question.
    std::string question(int n) const;

    QuizFolder quiz;
    FakeHost host;

private:
    std::unique_ptr<Form1> m_form;
};

// gtest prints u16strings as numbers; these read as text.
std::string utf8(const std::u16string& text);

// The designer names of the visible controls, then those of the disabled ones, in name order:
// "Command1 Grid1 … | disabled: Command6 …".
std::string controlStates(const Form1& form);

} // namespace vatro::testing
