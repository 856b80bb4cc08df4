// Composing the answer: letters from the board, words from the list, take-backs and keys.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

// Two full rows, so that the board shows every letter.
class Picking : public GameTest {
protected:
    Picking() { quiz.writeLetters(lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙПРСУФХЦЧШЩЫЭЮЯАБВГДЕЖ")); }
};

// A right press puts the word's last letter on the last picked cell, blank or not.
TEST_F(Picking, LeftPressTakesALetterAndRightPressPutsTheLastLetterOnTheLastPickedCell) {
    Form1& f = play(&Form1::Command8);
    pressLetter(1, 2);
    pressLetter(1, 1);
    EXPECT_EQ(screen(), question(1) + "\n{red}МО");
    EXPECT_EQ(boardRow(1), "__ВОЛЬТТОКАБГДЕЖЗИЙП");
    f.Grid1.keyPress(key::Right, 0);
    pressGrid1(mouse::Right);
    EXPECT_EQ(screen(), question(1) + "\n{red}М");
    EXPECT_EQ(boardRow(1), "О_ВОЛЬТТОКАБГДЕЖЗИЙП");
    pressGrid1(mouse::Right);
    pressGrid1(mouse::Right); // the word is empty: nothing left to put back
    EXPECT_EQ(boardRow(1), "ОМВОЛЬТТОКАБГДЕЖЗИЙП");

    pressLetter(1, 2);
    pressLetter(1, 1);
    pressLetter(1, 2); // blank since the press before
    pressLetter(5, 5); // never filled
    EXPECT_EQ(f.Answer, u"МО");
    pressGrid1(mouse::Right);
    EXPECT_EQ(boardRow(5), "____О_______________");
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(boardRow(1), "_МВОЛЬТТОКАБГДЕЖЗИЙП");

    f.Command3.click();
    pressLetter(1, 3);
    pressLetter(1, 4);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Back, 0);
    EXPECT_EQ(screen(), question(1) + "\n{red}ВО");
    EXPECT_EQ(boardRow(1), "_М___ЬТТОКАБГДЕЖЗИЙП");
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"В");
    EXPECT_EQ(boardRow(1), "_М__ОЬТТОКАБГДЕЖЗИЙП");
}

// A middle-button submit ends the take-back until the next "Пуск"; Enter leaves it.
TEST_F(Picking, TakeBackEndsWithAMiddleButtonSubmitButNotWithEnter) {
    Form1& f = play(&Form1::Command8);
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    pressGrid1(mouse::Right);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ");
    f.Command3.click(); // "Очистка" does not give it back
    pressLetter(1, 4);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"О");
    EXPECT_EQ(boardRow(1), "__В_ЛЬТТОКАБГДЕЖЗИЙП");

    f.Command2.click();
    pressLetter(1, 3);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"В");
    EXPECT_EQ(boardRow(1), "____ЛЬТТОКАБГДЕЖЗИЙП");
}

// Without a mouse: a typed letter, in either case, is a left press on the current cell when
// it shows the letter, else on the nearest that does; Insert and Delete press the current
// cell as the left and the right button do.
TEST_F(Picking, TypedLettersAndInsertPressTheirCellsAsTheLeftButtonDoes) {
    Form1& f = play(&Form1::Command8);
    pressLetter(1, 9); // О; the current cell
    f.Grid1.keyPress(0, 0, u"о");
    EXPECT_EQ(boardRow(1), "ОМВ_ЛЬТТ_КАБГДЕЖЗИЙП") << "(1, 4) is nearer than (1, 1)";
    f.Grid1.keyPress(0, shift::Shift, u"О");
    f.Grid1.keyPress(0, 0, u"о"); // none left
    f.Grid1.keyPress(0, shift::Ctrl, u"м");
    f.Grid1.keyPress(0, 0, u"ом");
    EXPECT_EQ(screen(), question(1) + "\n{red}ООО");
    EXPECT_EQ(f.Grid1.Row * 100 + f.Grid1.Col, 101);

    // Insert takes the current cell whatever it shows, a blank one too; Delete takes back.
    f.Grid1.keyPress(key::Insert, 0);
    EXPECT_EQ(f.PickDepth, 4);
    f.Grid1.keyPress(key::Delete, 0);
    EXPECT_EQ(boardRow(1), "ОМВ_ЛЬТТ_КАБГДЕЖЗИЙП");
    f.Grid1.keyPress(key::Right, 0);
    f.Grid1.keyPress(key::Insert, 0);
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    f.Command2.click();
    f.Grid1.keyPress(0, 0, u"о");
    f.Grid1.keyPress(0, 0, u"в");
    f.Grid1.keyPress(0, 0, u"л");
    EXPECT_EQ(f.Answer, u"ОВЛ");

    // In the list Insert takes the current word; no row shows a single letter.
    Form1& g = play(&Form1::Command9);
    g.Grid2.Row = rowShowing(u"ОМ");
    g.Grid2.keyPress(0, 0, u"о");
    EXPECT_EQ(g.Answer, u"");
    g.Grid2.keyPress(key::Insert, 0);
    g.Grid2.keyPress(key::Delete, 0);
    EXPECT_EQ(g.Answer + u"|" + g.Grid2.TextMatrix(g.Grid2.Row, 1), u"|ОМ");
    g.Grid2.keyPress(key::Insert, 0);
    g.Grid2.keyPress(key::Return, 0);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    EXPECT_EQ(g.Grid2.TextMatrix(g.Grid2.Row, 1), u"");
}

// A mode's grid, and the grid after "Пуск", takes the keys: Space never reaches a button.
TEST_F(Picking, ModesAndStartGiveTheFocusToTheGridThatTakesTheAnswer) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    f.Command9.click();
    EXPECT_EQ(f.takeFocusRequest(), &f.Grid2);
    f.Command2.click();
    EXPECT_EQ(f.takeFocusRequest(), &f.Grid2);
    f.Command8.click();
    EXPECT_EQ(f.takeFocusRequest(), &f.Grid1);
    f.Command10.click();
    EXPECT_EQ(f.takeFocusRequest(), &f.Grid1);
    for (int question = 1; question <= 3; ++question)
        f.Command2.click();
    EXPECT_EQ(f.takeFocusRequest(), &f.Grid1);
    f.Command2.click(); // "ВСЁ": no answer to compose
    EXPECT_EQ(f.focusRequest(), nullptr);
}

// The word holds at most 17 letters between two clears; a further letter stays on the board.
TEST_F(Picking, EighteenthLetterIsRefusedAndAllSeventeenCanBePutBack) {
    Form1& f = play(&Form1::Command8);
    for (int col = 1; col <= 18; ++col)
        pressLetter(1, col);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМВОЛЬТТОКАБГДЕЖЗ");
    EXPECT_EQ(boardRow(1), "_________________ИЙП");
    for (int n = 0; n < 17; ++n)
        pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(boardRow(1), "ОМВОЛЬТТОКАБГДЕЖЗИЙП");

    // "Очистка" frees the word for letters again.
    for (int col = 1; col <= 17; ++col)
        pressLetter(1, col);
    f.Command3.click();
    pressLetter(1, 18);
    EXPECT_EQ(f.Answer, u"И");
}

// The list's right press writes back the value both grids share, whatever set it last.
TEST_F(Picking, WordFromTheListTakesTheWholeAnswerAndItsRightPressPutsBackTheLastItem) {
    Form1& f = play(&Form1::Command10);
    pressLetter(1, 1);
    pressWord(2);
    EXPECT_EQ(f.Answer, u"ВОЛЬТ");
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1) + u"|" + f.Answers(2), u"|ВОЛЬТ");
    pressLetter(1, 2);
    EXPECT_EQ(f.Answer, u"ВОЛЬТМ");
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"ВОЛЬТ");
    EXPECT_EQ(screen(), question(1) + "\n");
    EXPECT_EQ(boardRow(1), "__ВОЛЬТТОКАБГДЕЖЗИЙП"); // the letters stay off the board

    pressWord(3);
    pressLetter(1, 3);
    EXPECT_EQ(f.Answer, u"ТОКВ");
    pressGrid1(mouse::Right);
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(boardRow(1), "__ВОЛЬТТОКАБГДЕЖЗИЙП");
    EXPECT_EQ(f.Answers(3) + f.Grid2.TextMatrix(3, 1), u"ВВ");

    // Backspace in the list drops the whole word, and the word's row stays blank.
    pressWord(1);
    f.Grid2.keyPress(key::Back, 0);
    EXPECT_EQ(f.Answer + f.Grid2.TextMatrix(1, 1), u"");
    EXPECT_EQ(screen(), question(1) + "\n");
}

// Keys other than Backspace, Enter, Space, Escape and the keys that press a cell only record
// the time used.
TEST_F(Picking, PressesOffTheLettersAndWordsAndOtherKeysChangeNothing) {
    Form1& f = play(&Form1::Command10);
    f.Grid1.press(mouse::Left, 0, 0, 3);
    f.Grid1.press(mouse::Left, 0, 2, 0);
    f.Grid1.press(mouse::Left, 0, -1, -1);
    f.Grid2.press(mouse::Left, 0, 0, 1);
    pressWord(4);
    EXPECT_EQ(screen(), question(1) + "\n");
    EXPECT_EQ(boardRow(2), "РСУФХЦЧШЩЫЭЮЯАБВГДЕЖ"); // the current cell (2, 20) too
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"ТОК");

    // A word from the list leaves no letter on the stack for the board's right button, and
    // the list's right button on a row without a word has no place to put it back.
    pressWord(1);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"ОМ");
    EXPECT_EQ(boardRow(2), "РСУФХЦЧШЩЫЭЮЯАБВГДЕЖ");
    pressWord(4);
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Answers(1) + f.Answers(3) + f.Grid2.TextMatrix(4, 1), u"ОМТОК");

    host.advance(125);
    f.Grid1.keyPress(u'A', 0);
    f.Grid2.keyPress(key::Tab, shift::Ctrl);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ");
    EXPECT_EQ(f.MinutesUsed(1) + u"|" + f.SecondsUsed(1), u" 2| 5");
    f.Grid1.keyPress(key::Escape, 0);
    EXPECT_EQ(host.endRequests, 1);
    f.Grid2.keyPress(key::Escape, shift::Shift);
    EXPECT_EQ(host.endRequests, 2);
    EXPECT_EQ(f.Points(1) + f.Mistakes(1), 0);

    // Before the first question presses and keys only show the hint.
    f.Command10.click();
    const std::string hint = " Нажмите -Очистку- затем -Пуск-";
    pressLetter(1, 2);
    EXPECT_EQ(screen(), hint);
    EXPECT_EQ(f.Answer + f.Grid1.TextMatrix(1, 2), u"М");
    f.Command3.click();
    f.Grid2.keyPress(key::PageUp, 0);
    EXPECT_EQ(screen(), hint);
    f.Command3.click();
    pressWord(1);
    EXPECT_EQ(screen(), hint);
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ОМ");
}

} // namespace
} // namespace vatro::testing
