#include "support/playtest.h"

namespace vatro::testing {
namespace {

class Picking : public PlayTest {};

// The small quiz's first board row: О М В О Л Ь Т Т О К А Б Г Д Е Ж З И Й П.
const std::u16string BoardRow1 = u"ОМВОЛЬТТОКАБГДЕЖЗИЙП";

TEST_F(Picking, LeftPressTakesTheLetterOffTheBoardAndRightPressPutsItBackWhereItCameFrom) {
    letterGame();
    Form1& f = form();
    pressLetter(1, 2);
    pressLetter(1, 1);
    EXPECT_EQ(f.Answer, u"МО");
    EXPECT_EQ(f.Letters(1, 1), u"");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 1), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"МО"}));

    // The current cell has moved on; the take-back still goes to the cell of the last pick.
    f.Grid1.keyPress(key::Right, 0);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"М");
    EXPECT_EQ(f.Letters(1, 1), u"О");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 1), u"О");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 2), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"М"}));

    pressGrid1(mouse::Right);
    pressGrid1(mouse::Right); // the word is empty: nothing left to put back
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Grid1.TextMatrix(1, 2), u"М");
    EXPECT_EQ(f.Letters(1, 1), u"О");
}

// A blank cell is picked like a letter, so the take-back puts the word's last letter there.
TEST_F(Picking, TakeBackAfterPressingABlankCellFillsThatCell) {
    letterGame();
    Form1& f = form();
    pressLetter(1, 2);
    pressLetter(1, 1);
    pressLetter(1, 2); // blank since the first press
    pressLetter(5, 5); // never filled
    EXPECT_EQ(f.Answer, u"МО");

    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Letters(5, 5), u"О");
    EXPECT_EQ(f.Grid1.TextMatrix(5, 5), u"О");
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Letters(1, 2), u"М");
    EXPECT_EQ(f.Letters(1, 1), u"");
    EXPECT_EQ(f.Answer, u"");
}

TEST_F(Picking, BackspaceDropsTheLetterFromTheWordOnlyAndTheTakeBackThenMovesTheNextOne) {
    letterGame();
    Form1& f = form();
    pressLetter(1, 3);
    pressLetter(1, 4);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Back, 0);
    EXPECT_EQ(f.Answer, u"ВО");
    EXPECT_EQ(f.Letters(1, 5), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ВО"}));

    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"В");
    EXPECT_EQ(f.Letters(1, 5), u"О");
    EXPECT_EQ(f.Letters(1, 4), u"");
}

// A middle-button submit ends the take-back until the next "Пуск"; Enter leaves it.
TEST_F(Picking, TakeBackEndsWithAMiddleButtonSubmitButNotWithEnter) {
    letterGame();
    Form1& f = form();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"ОМ");
    EXPECT_EQ(f.Letters(1, 2), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ"}));

    f.Command3.click(); // "Очистка" does not give it back
    pressLetter(1, 4);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"О");
    EXPECT_EQ(f.Letters(1, 4), u"");

    f.Command2.click();
    pressLetter(1, 3);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"В");
    EXPECT_EQ(f.Letters(1, 5), u"Л");
}

// A word from the list replaces the whole answer; letters picked after it are appended.
TEST_F(Picking, WordFromTheListTakesTheWholeAnswerAndItsRightPressPutsTheWordBack) {
    trainingGame();
    Form1& f = form();
    pressLetter(1, 1);
    pressWord(2);
    EXPECT_EQ(f.Answer, u"ВОЛЬТ");
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"");
    EXPECT_EQ(f.Answers(2), u"ВОЛЬТ");
    EXPECT_EQ(f.Letters(1, 1), u""); // the replaced letter stays off the board

    pressLetter(1, 2);
    EXPECT_EQ(f.Answer, u"ВОЛЬТМ");
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Grid2.TextMatrix(2, 1), u"ВОЛЬТ");
    EXPECT_EQ(f.Letters(1, 2), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u""}));

    // Backspace in the list drops the whole word, and the word's row stays blank.
    pressWord(3);
    f.Grid2.keyPress(key::Back, 0);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u""}));
}

// Both grids share one scratch value: the list gets back the letter last put on the board.
TEST_F(Picking, LetterTakenBackBetweenAWordPickAndItsRightPressLandsInTheList) {
    trainingGame();
    Form1& f = form();
    pressWord(3);
    pressLetter(1, 2);
    EXPECT_EQ(f.Answer, u"ТОКМ");
    pressGrid1(mouse::Right);
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Letters(1, 2), u"М");
    EXPECT_EQ(f.Answers(3), u"М");
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"М");
}

// The word holds at most 17 letters between two clears; a further letter stays on the board.
TEST_F(Picking, EighteenthLetterIsRefusedAndAllSeventeenCanBePutBack) {
    letterGame();
    Form1& f = form();
    for (int col = 1; col <= 18; ++col)
        pressLetter(1, col);
    EXPECT_EQ(f.Answer, BoardRow1.substr(0, 17));
    EXPECT_EQ(f.Letters(1, 18), u"И");
    EXPECT_EQ(printed(), (Texts{questionLine(1), BoardRow1.substr(0, 17)}));

    for (int n = 0; n < 17; ++n)
        pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    for (int col = 1; col <= 20; ++col)
        EXPECT_EQ(f.Letters(1, col), BoardRow1.substr(static_cast<std::size_t>(col - 1), 1));

    // "Очистка" frees the word for letters again.
    for (int col = 1; col <= 17; ++col)
        pressLetter(1, col);
    f.Command3.click();
    pressLetter(1, 18);
    EXPECT_EQ(f.Answer, u"И");
}

TEST_F(Picking, PressesOffTheLettersAndWordsPickNothingAndChangeNothing) {
    trainingGame();
    Form1& f = form();
    f.Grid1.press(mouse::Left, 0, 0, 3);   // header row
    f.Grid1.press(mouse::Left, 0, 2, 0);   // header column
    f.Grid1.press(mouse::Left, 0, -1, -1); // beside the cells
    f.Grid2.press(mouse::Left, 0, 0, 1);   // header row
    pressWord(4);                          // past the three words of the list
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Letters(2, 4), u"Ф"); // the board's current cell after loading
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"ТОК");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u""}));

    // A word from the list leaves no letter on the stack for the board's right button.
    pressWord(1);
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"ОМ");
    EXPECT_EQ(f.Letters(2, 4), u"Ф");

    // The list's right button on a row without a word has no place to put it back.
    pressWord(4);
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Answers(1), u"ОМ");
    EXPECT_EQ(f.Answers(3), u"ТОК");
    EXPECT_EQ(f.Grid2.TextMatrix(4, 1), u"");
}

TEST_F(Picking, BeforeTheFirstQuestionPressesAndKeysShowOnlyTheHint) {
    start();
    registerPlayer(u"Иванов");
    Form1& f = form();
    f.Command10.click();
    pressLetter(1, 2);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Letters(1, 2), u"М");
    EXPECT_EQ(printed(), (Texts{ClearHintText}));

    f.Command3.click();
    f.Grid2.keyPress(key::Delete, 0);
    EXPECT_EQ(printed(), (Texts{ClearHintText}));
    pressWord(1);
    EXPECT_EQ(f.Grid2.TextMatrix(1, 1), u"ОМ");
    EXPECT_EQ(printed(), (Texts{ClearHintText}));
}

// Keys other than Backspace, Enter, Space and Escape only store the time used.
TEST_F(Picking, OtherKeysOnlyRecordTheTimeAndEscapeEndsTheProgramInMidWord) {
    trainingGame();
    Form1& f = form();
    spell(u"ОМ");
    host.advance(125);
    f.Grid1.keyPress(u'A', 0);
    f.Grid2.keyPress(key::Tab, shift::Ctrl);
    EXPECT_EQ(f.Answer, u"ОМ");
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ"}));
    EXPECT_EQ(f.MinutesUsed(1), u" 2");
    EXPECT_EQ(f.SecondsUsed(1), u" 5");
    EXPECT_EQ(f.Points(1) + f.Mistakes(1), 0);
    EXPECT_EQ(host.endRequests, 0);

    f.Grid1.keyPress(key::Escape, 0);
    EXPECT_EQ(host.endRequests, 1);
    f.Grid2.keyPress(key::Escape, shift::Shift);
    EXPECT_EQ(host.endRequests, 2);
    EXPECT_EQ(f.Points(1) + f.Mistakes(1), 0);
}

} // namespace
} // namespace vatro::testing
