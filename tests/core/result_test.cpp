// "Результат": the share of right answers, the grade, its window and the printed result.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class Result : public GameTest {
protected:
    // The grade windows that are open, named by their grade.
    std::vector<int> openGrades() {
        std::vector<int> grades;
        for (GradeWindow* window : {&form().Form6, &form().Form5, &form().Form4, &form().Form3})
            if (window->Visible())
                grades.push_back(window->grade());
        return grades;
    }
    void closeGradeWindows() {
        for (GradeWindow* window : {&form().Form6, &form().Form5, &form().Form4, &form().Form3})
            window->backgroundClick();
    }
    void answer(const std::u16string& word) {
        spell(word);
        pressGrid1(mouse::Middle);
    }
};

// The share is floored after dividing and multiplying: 29 of 50 gives 57, not 58.
TEST_F(Result, GradeFollowsTheShareOfRightAnswersAtItsBoundaries) {
    Form1& f = play(&Form1::Command8);
    // The counts are set by hand: no quiz of 50 can be played, the word list holds 49.
    const struct {
        int points, questions, percent, grade;
    } cases[] = {{1, 10, 10, 2},   {5, 10, 50, 2},   {25, 49, 51, 3}, {29, 50, 57, 3},
                 {7, 10, 70, 3},   {35, 49, 71, 4},  {9, 10, 90, 4},  {45, 49, 91, 5},
                 {10, 10, 100, 5}, {11, 10, 110, 5}, {0, 10, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.points << " of " << c.questions);
        closeGradeWindows();
        f.Grade(1) = 0;
        f.Points(1) = c.points;
        f.QuestionCount = c.questions;
        f.Command5.click();
        EXPECT_EQ(f.Percent, c.percent);
        EXPECT_EQ(f.Grade(1), c.grade);
        EXPECT_EQ(openGrades(), c.grade == 0 ? std::vector<int>{} : std::vector<int>{c.grade});
    }

    // With no questions loaded the share is left as it was.
    f.QuestionCount = 0;
    f.Percent = 75;
    f.Command5.click();
    EXPECT_EQ(f.Percent, 75);
    EXPECT_EQ(printed().at(0), u" Из  0 вопросов");
}

// At "Мастер" the share is of the questions posed, and it grades even with both grids.
TEST_F(Result, MasterLevelGradesTheQuestionsPosedSoFar) {
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК", u"АМПЕР", u"ВАТТ"});
    quiz.writeQuestions({u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?",
                         u"Единица силы тока?", u"Единица мощности?"});
    Form1& f = play(&Form1::Command9, 2);
    const char16_t* const picks[] = {u"ОМ", u"ВОЛЬТ", u"ТОК", u"ВАТТ"}; // the last one wrong
    for (const char16_t* word : picks) {
        if (word != picks[0])
            f.Command2.click();
        pressWord(rowShowing(word));
        pressGrid2(mouse::Middle);
    }
    f.Command5.click();
    EXPECT_EQ(f.Percent, 75);
    EXPECT_EQ(f.Grade(1), 4);
    EXPECT_EQ(openGrades(), std::vector<int>{4});
    EXPECT_EQ(printed(), (std::vector<std::u16string>{u" Из  5 вопросов",
                                                      u" Вы набрали баллов 3 \tсделали ошибок 1 ",
                                                      u" Ваша оценка  4 "}));

    f.Command7.click(); // a fresh count, and the level options back
    chooseLevel(2);
    f.Command10.click();
    f.Command2.click();
    pressWord(2);
    pressGrid2(mouse::Middle); // wrong
    f.Command2.click();
    pressWord(2);
    pressGrid2(mouse::Middle); // right
    f.Command5.click();
    EXPECT_EQ(f.Percent, 50);
    EXPECT_EQ(f.Grade(1), 2);
    EXPECT_EQ(openGrades(), (std::vector<int>{2, 4}));
}

// Each grade has its own window, printed once; the share and the grades survive "Сброс".
TEST_F(Result, GradeWindowsStayOpenSideBySideAndTheShareAndGradesSurviveReset) {
    Form1& f = play(&Form1::Command8);
    for (const std::u16string word : {u"ОМ", u"ВОЛЬТ", u"ТОК"}) {
        answer(word);
        f.Command2.click();
    }
    f.Command5.click();
    EXPECT_EQ(f.Grade(1), 5);
    closeGradeWindows();

    registerPlayer(u"Петров");
    f.Command8.click();
    f.Command2.click();
    answer(u"ОМ");
    f.Command5.click();
    f.Command2.click();
    answer(u"ВОЛЬТ");
    f.Command5.click();
    const std::string satisfactory =
        "{rgb(0,192,0)}УДОВЛЕТВОРИТЕЛЬНО!\n\n{rgb(0,192,0)}Щёлкни по окну";
    EXPECT_EQ(openGrades(), (std::vector<int>{2, 3}));
    EXPECT_EQ(look(f.Form6.surface), "{blue}ПЛОХО!\n\n{blue}Щёлкни по окну");
    EXPECT_EQ(look(f.Form5.surface), satisfactory);
    f.Form6.backgroundClick();
    EXPECT_EQ(openGrades(), std::vector<int>{3});

    // Петров's share is graded for player 1, who plays next after "Сброс".
    f.Command7.click();
    closeGradeWindows();
    f.Command5.click();
    EXPECT_EQ(screen(), " Надо сделать хотя бы 1 ход!");
    EXPECT_EQ(std::pair(f.Grade(1), f.Grade(2)), std::pair(3, 3));
    EXPECT_EQ(openGrades(), std::vector<int>{3});
    EXPECT_EQ(look(f.Form5.surface), satisfactory);

    // With no right answer no window opens, and the grade printed is the one the player had.
    closeGradeWindows();
    chooseLevel(1);
    f.Command8.click();
    f.Command2.click();
    answer(u"ТО");
    f.Command5.click();
    EXPECT_EQ(openGrades(), std::vector<int>{});
    EXPECT_EQ(screen(), " Из {red} 3 {black}вопросов\n"
                        " Вы набрали баллов{red} 0 {zone}{black}сделали ошибок{red} 1 \n"
                        " Ваша оценка {red} 3 ");
}

// Before anyone registers the result still prints, and counts into nobody.
TEST_F(Result, ResultWithNoPlayerRegisteredPrintsWhatIsKnown) {
    Form1& f = start();
    chooseLevel(1);
    // The game buttons are still hidden: only the handlers themselves get here.
    f.Command8_Click();
    f.Command2_Click();
    answer(u"ОМ");
    f.Command5_Click();
    EXPECT_EQ(printed(), (std::vector<std::u16string>{u" Из  3 вопросов",
                                                      u" Вы набрали баллов 0 \tсделали ошибок 0 ",
                                                      u" Ваша оценка  0 "}));
    EXPECT_EQ(openGrades(), std::vector<int>{});
    for (int p = 1; p <= 100; ++p)
        ASSERT_EQ(f.Grade(p), 0) << "player " << p;
}

} // namespace
} // namespace vatro::testing
