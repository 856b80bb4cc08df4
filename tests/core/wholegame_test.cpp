// Whole games in each mode, from the first question to the result, character for character.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class WholeGame : public GameTest {};

const std::string ClearHint = " Нажмите -Очистку- затем -Пуск-";

TEST_F(WholeGame, LetterGameFromTheFirstQuestionToTheResult) {
    Form1& f = play(&Form1::Command8);
    EXPECT_TRUE(f.Grid1.Visible && !f.Grid2.Visible);
    EXPECT_EQ(screen(), "{darkgreen}" + question(1));
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    // A word is judged once: submitting it again only shows the hint.
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), ClearHint);
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(screen(), ClearHint);

    f.Command2.click();
    spell(u"ВОЛЬТ");
    f.Grid1.keyPress(key::Return, 0);
    EXPECT_EQ(screen(), question(2) + "\n{red}ВОЛЬТ\n{bold}ВЕРНО");
    f.Command2.click();
    spell(u"ТО");
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(screen(), question(3) + "\n{red}ТО\n{bold}ОШИБКА");

    f.Command5.click();
    EXPECT_EQ(screen(), " Из {red} 3 {black}вопросов\n"
                        " Вы набрали баллов{red} 2 {zone}{black}сделали ошибок{red} 1 \n"
                        " Ваша оценка {red} 3 ");
    EXPECT_EQ(f.surface.ForeColor(), colors::Black);
    EXPECT_TRUE(f.Form5.Visible());
    EXPECT_TRUE(f.Command6.Enabled);
    // The result empties the word, so the right button has nothing to take back.
    pressGrid1(mouse::Right);
    EXPECT_EQ(f.Answer + f.Letters(1, 9), u"");
    f.Command2.click();
    EXPECT_EQ(screen(), "{darkgreen}ВСЁ\n{darkgreen}Выбери игру");
}

// A wrong word taken from the list can be put back and taken again for its own question.
TEST_F(WholeGame, WordGameOfATeamEndsInItsRatingLine) {
    start();
    Form1& f = form();
    registerPlayer(u"Команда");
    chooseLevel(1);
    f.Command9.click();
    EXPECT_TRUE(!f.Grid1.Visible && f.Grid2.Visible);
    f.Command2.click();
    pressWord(rowShowing(u"ОМ"));
    pressGrid2(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    f.Command2.click();
    const int row = rowShowing(u"ТОК");
    pressWord(row);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(screen(), question(2) + "\n{red}ТОК\n{bold}ОШИБКА");
    pressGrid2(mouse::Right);
    EXPECT_EQ(f.Grid2.TextMatrix(row, 1), u"ТОК");
    f.Command2.click();
    pressWord(row);
    host.advance(3 * 60 + 25);
    f.Grid2.keyPress(key::Return, 0);
    EXPECT_EQ(screen(), question(3) + "\n{red}ТОК\n{bold}ВЕРНО");

    f.Command2.click();
    f.Command5.click();
    EXPECT_EQ(f.Percent, 66);
    EXPECT_TRUE(f.Form5.Visible());
    f.Ватро123.click();
    EXPECT_EQ(screen(), "Команда набрал  2  баллов, 1 ошибок за  3мин  25с Оценка 3 ");
}

// In training both grids serve one word; with both shown no grade is given.
TEST_F(WholeGame, TrainingGameTakesWordsAndLettersAndGivesNoGrade) {
    Form1& f = play(&Form1::Command10);
    EXPECT_TRUE(f.Grid1.Visible && f.Grid2.Visible);
    pressWord(1);
    pressGrid2(mouse::Middle);
    EXPECT_EQ(screen(), question(1) + "\n{red}ОМ\n{bold}ВЕРНО");
    f.Command2.click();
    spell(u"ВОЛЬТ");
    f.Grid2.keyPress(key::Return, 0);
    EXPECT_EQ(screen(), question(2) + "\n{red}ВОЛЬТ\n{bold}ВЕРНО");
    f.Command2.click();
    pressWord(3);
    spell(u"А");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(screen(), question(3) + "\n{red}ТОКА\n{bold}ОШИБКА");
    EXPECT_EQ(f.Answers(1) + u"|" + f.Answers(2) + u"|" + f.Answers(3), u"|ВОЛЬТ|ТОК");

    f.Command2.click();
    f.Command5.click();
    EXPECT_EQ(printed(), (std::vector<std::u16string>{u" Из  3 вопросов",
                                                      u" Вы набрали баллов 2 \tсделали ошибок 1 ",
                                                      u" Ваша оценка  0 "}));
    EXPECT_FALSE(f.Form3.Visible() || f.Form4.Visible() || f.Form5.Visible() || f.Form6.Visible());
}

} // namespace
} // namespace vatro::testing
