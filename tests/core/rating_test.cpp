#include "support/playtest.h"

namespace vatro::testing {
namespace {

class Rating : public PlayTest {};

// One line per player, in the order they registered, whatever their points.
TEST_F(Rating, InterimRatingListsEveryPlayerInRegistrationOrderAndHidesTheGrids) {
    start();
    Form1& f = form();
    registerPlayer(u"Анна");
    chooseLevel(1);
    f.Command8.click();
    f.Command2.click();
    host.advance(61);
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    registerPlayer(u"Борис");
    f.Command5.click();
    registerPlayer(u"Вера");
    f.Command8.click();
    f.Command2.click();
    spell(u"ТО");
    pressGrid1(mouse::Middle);
    f.Command3.click();
    spell(u"Т");
    f.Grid1.keyPress(key::Return, 0);
    f.Command3.click();
    spell(u"ОМ");
    f.Grid1.keyPress(key::Return, 0);

    f.Ватро12.click();
    EXPECT_EQ(printed(), (Texts{u"Анна набрал  1  баллов, 0 ошибок за  1мин  1с Оценка 2 ",
                                u"Борис набрал  0  баллов, 0 ошибок за 0мин 0с Оценка 0 ",
                                u"Вера набрал  1  баллов, 2 ошибок за  0мин  0с Оценка 0 "}));
    EXPECT_FALSE(f.Grid1.Visible);
    EXPECT_FALSE(f.Grid2.Visible);
    EXPECT_EQ(f.QuestionNo, 1);

    // "Сброс" starts a new count of players under the first name; grades stay.
    f.Command7.click();
    f.Ватро12.click();
    EXPECT_EQ(printed(), (Texts{u"Анна набрал  0  баллов, 0 ошибок за мин с Оценка 2 "}));
}

TEST_F(Rating, PlayerWhoHasNotPlayedShowsTheStartUpTimesAndNoGrade) {
    start();
    Form1& f = form();
    f.Ватро12.click();
    EXPECT_EQ(printed(), Texts{});
    registerPlayer(u"Иванов");
    f.Ватро12.click();
    EXPECT_EQ(printed(), (Texts{u"Иванов набрал  0  баллов, 0 ошибок за 0мин 0с Оценка 0 "}));
}

// The full rating waits until every question has been posed; until then it only clears.
TEST_F(Rating, RatingPrintsOnlyOnceTheLastQuestionHasBeenPosed) {
    letterGame();
    Form1& f = form();
    pressLetter(1, 1);
    f.Ватро123.click();
    EXPECT_EQ(printed(), Texts{});
    EXPECT_TRUE(f.Grid1.Visible);

    f.Command2.click();
    f.Command2.click();
    f.Ватро123.click();
    EXPECT_EQ(printed(), (Texts{u"Иванов набрал  0  баллов, 0 ошибок за  0мин  0с Оценка 0 "}));
    EXPECT_FALSE(f.Grid1.Visible);
}

TEST_F(Rating, RatingOfAnEmptyQuizPrintsAtOnce) {
    quiz.writeAnswers({});
    quiz.writeQuestions({});
    start();
    registerPlayer(u"Иванов");
    form().Ватро123.click();
    EXPECT_EQ(printed(), (Texts{u"Иванов набрал  0  баллов, 0 ошибок за 0мин 0с Оценка 0 "}));
}

} // namespace
} // namespace vatro::testing
