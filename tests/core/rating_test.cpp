// The rating print-outs of the menu "Рейтинг": one line per registered player.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class Rating : public GameTest {};

// A player who has not played shows the start-up times; after "Сброс" they are empty.
TEST_F(Rating, InterimRatingListsEveryPlayerInRegistrationOrderAndHidesTheGrids) {
    Form1& f = start();
    f.Ватро12.click();
    EXPECT_EQ(screen(), "");
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
    for (const std::u16string word : {u"ТО", u"Т", u"ОМ"}) {
        f.Command3.click();
        spell(word);
        f.Grid1.keyPress(key::Return, 0);
    }

    f.Ватро12.click();
    EXPECT_EQ(screen(), "Анна набрал  1  баллов, 0 ошибок за  1мин  1с Оценка 2 \n"
                        "Борис набрал  0  баллов, 0 ошибок за 0мин 0с Оценка 0 \n"
                        "Вера набрал  1  баллов, 2 ошибок за  0мин  0с Оценка 0 ");
    EXPECT_FALSE(f.Grid1.Visible || f.Grid2.Visible);
    EXPECT_EQ(f.QuestionNo, 1);

    f.Command7.click();
    f.Ватро12.click();
    EXPECT_EQ(screen(), "Анна набрал  0  баллов, 0 ошибок за мин с Оценка 2 ");
}

// The full rating waits until every question has been posed; until then it only clears.
TEST_F(Rating, RatingPrintsOnlyOnceTheLastQuestionHasBeenPosed) {
    Form1& f = play(&Form1::Command8);
    pressLetter(1, 1);
    f.Ватро123.click();
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(f.Grid1.Visible);

    f.Command2.click();
    f.Command2.click();
    f.Ватро123.click();
    EXPECT_EQ(screen(), "Иванов набрал  0  баллов, 0 ошибок за  0мин  0с Оценка 0 ");
    EXPECT_FALSE(f.Grid1.Visible);
}

TEST_F(Rating, RatingOfAnEmptyQuizPrintsAtOnce) {
    quiz.writeAnswers({});
    quiz.writeQuestions({});
    start();
    registerPlayer(u"Иванов");
    form().Ватро123.click();
    EXPECT_EQ(screen(), "Иванов набрал  0  баллов, 0 ошибок за 0мин 0с Оценка 0 ");
}

} // namespace
} // namespace vatro::testing
