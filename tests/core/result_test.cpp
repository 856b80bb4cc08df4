#include "support/playtest.h"

namespace vatro::testing {
namespace {

class Result : public PlayTest {
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
            if (window->Visible())
                window->backgroundClick();
    }
    // Answers the current question of "Игра1" with the right word from the list.
    void answerFromList(const std::u16string& word) {
        pressWord(rowShowing(word));
        pressGrid2(mouse::Middle);
    }
};

// The share is floored after dividing and multiplying: 29 of 50 gives 57, not 58.
TEST_F(Result, GradeFollowsTheShareOfRightAnswersAtItsBoundaries) {
    letterGame();
    Form1& f = form();
    // The counts are set by hand: no quiz of 50 can be played, the word list holds 49.
    struct Case {
        int points, questions, percent, grade;
    };
    const Case cases[] = {{1, 10, 10, 2},   {5, 10, 50, 2},   {25, 49, 51, 3}, {29, 50, 57, 3},
                          {7, 10, 70, 3},   {35, 49, 71, 4},  {9, 10, 90, 4},  {45, 49, 91, 5},
                          {10, 10, 100, 5}, {11, 10, 110, 5}, {0, 10, 0, 0}};
    for (const Case& c : cases) {
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
    f.Points(1) = 3;
    f.QuestionCount = 0;
    f.Percent = 75;
    f.Command5.click();
    EXPECT_EQ(f.Percent, 75);
    EXPECT_EQ(printed().at(0), u" Из  0 вопросов");
}

// At "Мастер" the share is of the questions posed, not of the whole quiz.
TEST_F(Result, MasterLevelGradesTheQuestionsPosedSoFar) {
    writeUnitsQuiz(10);
    start();
    registerPlayer(u"Иванов");
    Form1& f = form();
    chooseLevel(2);
    f.Command9.click();
    for (const std::u16string word : {u"АМПЕР", u"ВАТТ", u"ВЕБЕР"}) {
        f.Command2.click();
        answerFromList(word);
    }
    f.Command2.click();
    answerFromList(u"ОМ");
    f.Command5.click();
    EXPECT_EQ(f.Percent, 75);
    EXPECT_EQ(f.Grade(1), 4);
    EXPECT_EQ(openGrades(), std::vector<int>{4});
    EXPECT_EQ(printed(), (Texts{u" Из  10 вопросов", u" Вы набрали баллов 3 \tсделали ошибок 1 ",
                                u" Ваша оценка  4 "}));
}

// With both grids on the window only "Мастер" gives a grade.
TEST_F(Result, BothGridsShownGiveNoGradeExceptAtMaster) {
    trainingGame();
    Form1& f = form();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    EXPECT_EQ(f.Percent, 0);
    EXPECT_EQ(f.Grade(1), 0);
    EXPECT_EQ(openGrades(), std::vector<int>{});
    EXPECT_EQ(printed().at(2), u" Ваша оценка  0 ");

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
    EXPECT_EQ(openGrades(), std::vector<int>{2});
}

// No right answer opens no window, and the grade printed is the one the player had.
TEST_F(Result, NoRightAnswerKeepsAndPrintsTheEarlierGrade) {
    letterGame();
    Form1& f = form();
    for (const std::u16string word : {u"ОМ", u"ВОЛЬТ", u"ТОК"}) {
        spell(word);
        pressGrid1(mouse::Middle);
        f.Command2.click();
    }
    f.Command5.click();
    EXPECT_EQ(f.Grade(1), 5);
    closeGradeWindows();

    f.Command7.click(); // "Сброс" keeps the grade
    chooseLevel(1);
    f.Command8.click();
    f.Command2.click();
    spell(u"ТО");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    EXPECT_EQ(openGrades(), std::vector<int>{});
    EXPECT_EQ(printed(), (Texts{u" Из  3 вопросов", u" Вы набрали баллов 0 \tсделали ошибок 1 ",
                                u" Ваша оценка  5 "}));

    registerPlayer(u"Петров");
    f.Command8.click();
    f.Command2.click();
    f.Command5.click();
    EXPECT_EQ(openGrades(), std::vector<int>{});
    EXPECT_EQ(printed().at(2), u" Ваша оценка  0 ");
    EXPECT_EQ(f.Grade(1), 5);
}

// Each grade keeps its own window: two results with different grades leave two open.
TEST_F(Result, GradeWindowsPrintOnceAndAreHiddenByAClick) {
    letterGame();
    Form1& f = form();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    f.Command2.click();
    spell(u"ВОЛЬТ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    EXPECT_EQ(openGrades(), (std::vector<int>{2, 3}));

    const Texts gradeText{u"ПЛОХО!", u"", u"Щёлкни по окну"};
    EXPECT_EQ(f.Form6.surface.texts(), gradeText);
    EXPECT_EQ(styledLine(f.Form6.surface, 0), (Runs{styled(u"ПЛОХО!", Color::rgb(0, 0, 255))}));
    EXPECT_EQ(f.Form5.surface.texts(), (Texts{u"УДОВЛЕТВОРИТЕЛЬНО!", u"", u"Щёлкни по окну"}));
    f.Form6.backgroundClick();
    EXPECT_EQ(openGrades(), std::vector<int>{3});
}

// The share kept through "Сброс" is graded for whoever is player 1 then.
TEST_F(Result, ShareKeptThroughResetGradesThePlayerNowCurrent) {
    letterGame();
    Form1& f = form();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command2.click();
    spell(u"ВОЛЬТ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    EXPECT_EQ(f.Grade(1), 3);
    registerPlayer(u"Петров");
    f.Command8.click();
    f.Command2.click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    EXPECT_EQ(f.Grade(2), 2);

    f.Command7.click();
    closeGradeWindows();
    f.Command5.click();
    EXPECT_EQ(printed(), (Texts{u" Надо сделать хотя бы 1 ход!"}));
    EXPECT_EQ(f.Grade(1), 2);
    EXPECT_EQ(openGrades(), std::vector<int>{2});
    EXPECT_EQ(f.Form6.surface.texts(), (Texts{u"ПЛОХО!", u"", u"Щёлкни по окну"}));
}

// Before anyone registers the result still prints, and counts into nobody.
TEST_F(Result, ResultWithNoPlayerRegisteredPrintsWhatIsKnown) {
    start();
    Form1& f = form();
    chooseLevel(1);
    // The game buttons are still hidden: only the handlers themselves get here.
    f.Command8_Click();
    f.Command2_Click();
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5_Click();
    EXPECT_EQ(printed(), (Texts{u" Из  3 вопросов", u" Вы набрали баллов 0 \tсделали ошибок 0 ",
                                u" Ваша оценка  0 "}));
    EXPECT_EQ(openGrades(), std::vector<int>{});
    for (int p = 1; p <= 100; ++p)
        ASSERT_EQ(f.Grade(p), 0) << "player " << p;
}

} // namespace
} // namespace vatro::testing
