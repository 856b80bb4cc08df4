// Judging the composed word: what counts as right, what is struck, and when nothing is judged.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class Verdict : public GameTest {};

// Enter redraws nothing; a right answer strikes the word of the list's current row.
TEST_F(Verdict, EnterPrintsTheVerdictUnderWhateverTheWindowShows) {
    Form1& f = play(&Form1::Command8);
    spell(u"ОМ");
    f.Ватро12.click(); // the rating replaces the question and hides the board
    f.backgroundClick();
    f.backgroundClick(); // both grids back
    f.Grid1.keyPress(key::Return, shift::Shift);
    EXPECT_EQ(screen(), "Иванов набрал  0  баллов, 0 ошибок за  0мин  0с Оценка 0 \n{bold}ВЕРНО");
    EXPECT_EQ(f.Points(1), 1);
    EXPECT_EQ(f.Grid2.Row, 3);
    EXPECT_EQ(f.Answers(3), u"");
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"ТОК");
    EXPECT_EQ(f.Answers(1), u"ОМ");
}

// Words compare letter for letter, case and blanks included; "Очистка" allows a new verdict.
TEST_F(Verdict, OnlyTheExactWordIsRightAndEveryJudgingAfterClearingCounts) {
    quiz.write("vatro.txt", u"о,м,О,М,\" \",О,М,О,М\r\n");
    Form1& f = play(&Form1::Command8);
    pressLetter(1, 1);
    pressLetter(1, 2);
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ом\n{bold}ОШИБКА");
    f.Command3.click();
    EXPECT_EQ(screen(), "");
    pressLetter(1, 3);
    pressLetter(1, 4);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ \n{bold}ОШИБКА");
    for (int col : {6, 8}) {
        f.Command3.click();
        pressLetter(1, col);
        pressLetter(1, col + 1);
        pressGrid1(mouse::Middle);
        EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    }
    EXPECT_EQ(f.Points(1), 2);
    EXPECT_EQ(f.Mistakes(1), 2);
}

// A struck word can no longer be right; a list row without a word strikes nothing.
TEST_F(Verdict, RightWordFromTheListIsStruckAndARowWithoutAWordStrikesNothing) {
    Form1& f = play(&Form1::Command9);
    pressWord(rowShowing(u"ОМ"));
    pressGrid2(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    EXPECT_EQ(f.Answers(1) + f.Answers(2), u"ВОЛЬТ");
    f.Command8.click(); // "Игра2" does not reload the word list
    f.Command2.click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ОШИБКА");
    EXPECT_EQ(std::pair(f.Points(1), f.Mistakes(1)), std::pair(1, 1));

    f.Command10.click();
    f.Command2.click();
    f.Grid2.keyPress(key::Down, 0); // row 4, past the list
    spell(u"ОМ");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ВЕРНО");
    EXPECT_EQ(f.Answers(1) + f.Answers(2) + f.Answers(3), u"ОМВОЛЬТТОК");
}

// Nobody registered: the verdict counts for nobody; after "Сброс" a word has no question.
TEST_F(Verdict, NothingIsCountedWithoutAPlayerOrJudgedWithoutAQuestion) {
    Form1& f = start();
    // The game buttons are still hidden: only the handlers themselves get here.
    f.Command10_Click();
    f.Command2_Click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    f.Command2_Click();
    spell(u"ТОК");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    for (int p = 1; p <= 100; ++p)
        ASSERT_EQ(f.Points(p) + f.Mistakes(p), 0) << "player " << p;

    f.Command2_Click();
    spell(u"В");
    f.Command7.click();
    f.backgroundClick();
    f.backgroundClick(); // the board again
    pressGrid1(mouse::Middle);
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(screen(), "{red}В");
    EXPECT_EQ(f.Points(1) + f.Mistakes(1), 0);
    EXPECT_TRUE(f.AnswerPending);
}

} // namespace
} // namespace vatro::testing
