#include "support/playtest.h"

namespace vatro::testing {
namespace {

class Verdict : public PlayTest {};

const Color DarkGreen = Color::rgb(35, 122, 8);

TEST_F(Verdict, MouseSubmitShowsQuestionRedWordAndBoldVerdictAndASecondSubmitOnlyTheHint) {
    letterGame();
    Form1& f = form();
    EXPECT_EQ(styledLine(f.surface, 0), (Runs{styled(questionLine(1), DarkGreen)}));

    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    EXPECT_EQ(styledLine(f.surface, 0), (Runs{styled(questionLine(1))}));
    EXPECT_EQ(styledLine(f.surface, 1), (Runs{styled(u"ОМ", colors::Red)}));
    EXPECT_EQ(styledLine(f.surface, 2), (Runs{styled(u"ВЕРНО", colors::Black, true)}));
    EXPECT_EQ(f.Points(1), 1);
    EXPECT_EQ(f.Mistakes(1), 0);

    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{ClearHintText}));
    EXPECT_EQ(styledLine(f.surface, 0), (Runs{styled(ClearHintText)}));
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(printed(), (Texts{ClearHintText}));
    EXPECT_EQ(f.Points(1), 1);
    EXPECT_EQ(f.Mistakes(1), 0);
}

// Enter redraws nothing first. A right answer while the list is shown strikes the word of
// the list's current row, whichever word that is.
TEST_F(Verdict, EnterPrintsTheVerdictUnderWhateverTheWindowShows) {
    letterGame();
    Form1& f = form();
    spell(u"ОМ");
    f.Ватро12.click(); // the rating replaces the question and hides the board
    f.backgroundClick();
    f.backgroundClick(); // both grids back
    f.Grid1.keyPress(key::Return, shift::Shift);
    EXPECT_EQ(printed(),
              (Texts{u"Иванов набрал  0  баллов, 0 ошибок за  0мин  0с Оценка 0 ", u"ВЕРНО"}));
    EXPECT_EQ(styledLine(f.surface, 1), (Runs{styled(u"ВЕРНО", colors::Black, true)}));
    EXPECT_EQ(f.Points(1), 1);

    EXPECT_EQ(f.Grid2.Row, 3);
    EXPECT_EQ(f.Answers(3), u"");
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1), u"ТОК");
    EXPECT_EQ(f.Answers(1), u"ОМ");
}

// Words compare letter for letter, case and blanks included; each judging after
// "Очистка" counts once more.
TEST_F(Verdict, OnlyTheExactWordIsRightAndEveryJudgingAfterClearingCounts) {
    quiz.write("vatro.txt", u"о,м,О,М,\" \",О,М,О,М\r\n");
    letterGame();
    Form1& f = form();
    pressLetter(1, 1);
    pressLetter(1, 2);
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ом", u"ОШИБКА"}));

    f.Command3.click();
    EXPECT_EQ(printed(), Texts{});
    pressLetter(1, 3);
    pressLetter(1, 4);
    pressLetter(1, 5);
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ ", u"ОШИБКА"}));

    for (int col : {6, 8}) {
        f.Command3.click();
        pressLetter(1, col);
        pressLetter(1, col + 1);
        pressGrid1(mouse::Middle);
        EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    }
    EXPECT_EQ(f.Points(1), 2);
    EXPECT_EQ(f.Mistakes(1), 2);
}

// A right word taken from the list is struck from the answers: the question cannot be
// answered right again.
TEST_F(Verdict, RightWordFromTheListIsStruckSoTheQuestionIsWrongAfterwards) {
    wordGame();
    Form1& f = form();
    const int row = rowShowing(u"ОМ");
    ASSERT_NE(row, 0);
    pressWord(row);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    EXPECT_EQ(f.Answers(1), u"");
    EXPECT_EQ(f.Answers(2), u"ВОЛЬТ");

    f.Command3.click();
    f.backgroundClick();
    f.backgroundClick(); // the board as well as the list
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ОШИБКА"}));
    EXPECT_EQ(f.Points(1), 1);
    EXPECT_EQ(f.Mistakes(1), 1);
}

TEST_F(Verdict, RightAnswerWhileTheListRowHasNoWordStrikesNothing) {
    trainingGame();
    Form1& f = form();
    f.Grid2.keyPress(key::Down, 0); // row 4, past the list
    spell(u"ОМ");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ВЕРНО");
    EXPECT_EQ(f.Answers(1), u"ОМ");
    EXPECT_EQ(f.Answers(2), u"ВОЛЬТ");
    EXPECT_EQ(f.Answers(3), u"ТОК");
}

// A word left standing by "Сброс" has no question to be judged against.
TEST_F(Verdict, WordLeftAfterResetIsNotJudged) {
    letterGame();
    Form1& f = form();
    pressLetter(1, 1);
    f.Command7.click();
    f.backgroundClick();
    f.backgroundClick();
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{u"О"}));
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed(), (Texts{u"О"}));
    EXPECT_EQ(f.Points(1) + f.Mistakes(1), 0);
    EXPECT_TRUE(f.AnswerPending);
}

// Before anyone registers, a verdict is shown but counted for nobody.
TEST_F(Verdict, VerdictWithNoPlayerRegisteredIsShownButNotCounted) {
    start();
    Form1& f = form();
    // The game buttons are still hidden: only the handlers themselves get here.
    f.Command10_Click();
    f.Command2_Click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    f.Command2_Click();
    spell(u"ТОК");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    for (int p = 1; p <= 100; ++p)
        ASSERT_EQ(f.Points(p) + f.Mistakes(p), 0) << "player " << p;
}

} // namespace
} // namespace vatro::testing
