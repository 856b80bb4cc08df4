#include "support/playtest.h"

#include <algorithm>

namespace vatro::testing {
namespace {

class WholeGame : public PlayTest {};

TEST_F(WholeGame, LetterGameFromTheFirstQuestionToTheResult) {
    start();
    Form1& f = form();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    f.Command8.click();
    EXPECT_TRUE(f.Grid1.Visible);
    EXPECT_FALSE(f.Grid2.Visible);

    f.Command2.click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    f.Command2.click();
    spell(u"ВОЛЬТ");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(printed(), (Texts{questionLine(2), u"ВОЛЬТ", u"ВЕРНО"}));
    f.Command2.click();
    spell(u"ТО");
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(printed(), (Texts{questionLine(3), u"ТО", u"ОШИБКА"}));

    f.Command5.click();
    EXPECT_EQ(styledLine(f.surface, 0),
              (Runs{styled(u" Из "), styled(u" 3 ", colors::Red), styled(u"вопросов")}));
    EXPECT_EQ(styledLine(f.surface, 1),
              (Runs{styled(u" Вы набрали баллов"), styled(u" 2 ", colors::Red),
                    atZone(u"сделали ошибок"), styled(u" 1 ", colors::Red)}));
    EXPECT_EQ(styledLine(f.surface, 2),
              (Runs{styled(u" Ваша оценка "), styled(u" 3 ", colors::Red)}));
    EXPECT_EQ(printed().size(), 3u);
    EXPECT_EQ(f.surface.ForeColor(), colors::Black);
    EXPECT_TRUE(f.Form5.Visible());
    EXPECT_TRUE(f.Command6.Enabled);

    // The result empties the word, so the right button has nothing to take back.
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.Letters(1, 9), u"");

    f.Command2.click();
    EXPECT_EQ(printed(), (Texts{u"ВСЁ", u"Выбери игру"}));
    EXPECT_EQ(f.Points(1), 2);
    EXPECT_EQ(f.Mistakes(1), 1);
}

// Two questions answered with each other's word; a word put back returns to its row.
TEST_F(WholeGame, WordGameOfATeamEndsInItsRatingLine) {
    writeUnitsQuiz(9);
    const std::vector<std::u16string> words = UnitsQuiz::answers(9);
    const std::vector<std::u16string> questions = UnitsQuiz::questions(9);
    start();
    Form1& f = form();
    registerPlayer(u"Команда");
    chooseLevel(1);
    f.Command9.click();
    EXPECT_FALSE(f.Grid1.Visible);
    EXPECT_TRUE(f.Grid2.Visible);
    std::vector<std::u16string> listed;
    for (int row = 1; row <= 9; ++row)
        listed.push_back(f.Grid2.TextMatrix(row, 1));
    std::vector<std::u16string> sorted = words;
    std::sort(listed.begin(), listed.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(listed, sorted); // each word once, in the shuffled order
    EXPECT_EQ(f.Grid2.TextMatrix(10, 1), u"");

    for (std::size_t q = 0; q < 7; ++q) {
        f.Command2.click();
        pressWord(rowShowing(words[q]));
        pressGrid2(mouse::Middle);
        EXPECT_EQ(printed(), (Texts{questionLine(int(q) + 1, questions[q]), words[q], u"ВЕРНО"}));
    }
    f.Command2.click();
    const int row9 = rowShowing(words[8]);
    pressWord(row9);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Grid2.TextMatrix(row9, 1), words[8]);
    f.Command2.click();
    pressWord(rowShowing(words[7]));
    host.advance(3 * 60 + 25);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(9, questions[8]), words[7], u"ОШИБКА"}));

    f.Command2.click();
    f.Command5.click();
    EXPECT_EQ(f.Percent, 77);
    EXPECT_TRUE(f.Form4.Visible());
    f.Ватро123.click();
    EXPECT_EQ(printed(), (Texts{u"Команда набрал  7  баллов, 2 ошибок за  3мин  25с Оценка 4 "}));
}

// In training both grids serve one word; with both shown no grade is given.
TEST_F(WholeGame, TrainingGameTakesWordsAndLettersAndGivesNoGrade) {
    trainingGame();
    Form1& f = form();
    EXPECT_TRUE(f.Grid1.Visible);
    EXPECT_TRUE(f.Grid2.Visible);

    pressWord(1);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(1), u"ОМ", u"ВЕРНО"}));
    f.Command2.click();
    spell(u"ВОЛЬТ");
    f.Grid2.keyPress(key::Return, 0);
    EXPECT_EQ(printed(), (Texts{questionLine(2), u"ВОЛЬТ", u"ВЕРНО"}));
    f.Command2.click();
    pressWord(3);
    spell(u"А");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(printed(), (Texts{questionLine(3), u"ТОКА", u"ОШИБКА"}));
    EXPECT_EQ(f.Answers(1), u"");
    EXPECT_EQ(f.Answers(2), u"ВОЛЬТ");
    EXPECT_EQ(f.Answers(3), u"ТОК");

    f.Command2.click();
    f.Command5.click();
    EXPECT_EQ(printed(), (Texts{u" Из  3 вопросов", u" Вы набрали баллов 2 \tсделали ошибок 1 ",
                                u" Ваша оценка  0 "}));
    EXPECT_FALSE(f.Form3.Visible() || f.Form4.Visible() || f.Form5.Visible() || f.Form6.Visible());
}

} // namespace
} // namespace vatro::testing
