// Start-up, "Сброс", "Новый игрок" and "Выход": what the window shows and what the game keeps.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

const std::string StartButtons =
    "Command1 Command4 Command6 Command7 Option1 Option2 Option3 Text2 | disabled:";
const std::string GameButtons = "Command1 Command10 Command2 Command3 Command4 Command5 Command6 "
                                "Command7 Command8 Command9 Option1 Option2 Option3 Text2 | "
                                "disabled: Command6";
const std::string NewPlayerHint = "Выберите Уровень и -Игру-";

class StartUp : public GameTest {
protected:
    // Four questions but three answers, so that the count shows which file was read last.
    StartUp() {
        auto questions = SmallQuiz::questions();
        questions.push_back(u"Лишний вопрос?");
        quiz.writeQuestions(questions);
    }
};

TEST_F(StartUp, ShowsLevelsAndFourButtonsAndResetAloneShowsNoMore) {
    host.clock = 10 * 3600 + 30;
    Form1& f = start();
    EXPECT_EQ(controlStates(f), StartButtons);
    EXPECT_FALSE(f.Option1.Value() || f.Option2.Value() || f.Option3.Value());
    // The header cells, then the first and the last data column and row of each grid.
    EXPECT_EQ(
        (std::vector<double>{f.Grid1.ColWidth(0), f.Grid1.RowHeight(0), f.Grid1.ColWidth(1),
                             f.Grid1.ColWidth(20), f.Grid1.RowHeight(1), f.Grid1.RowHeight(17),
                             f.Grid2.ColWidth(0), f.Grid2.RowHeight(0), f.Grid2.ColWidth(1),
                             f.Grid2.RowHeight(1), f.Grid2.RowHeight(49)}),
        (std::vector<double>{100, 80, 396, 396, 295, 295, 100, 80, 4000, 300, 300}));
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(f.Points(n) + f.Mistakes(n) + f.Grade(n), 0);
        EXPECT_EQ(f.MinutesUsed(n) + f.SecondsUsed(n), u"00") << n;
    }
    EXPECT_EQ(f.PlayerNo, 0);
    EXPECT_EQ(f.QuestionCount, 4);
    EXPECT_EQ(f.Grid2.TextMatrix(3, 1) + f.Grid1.TextMatrix(2, 4), u"ТОКФ");
    EXPECT_EQ(f.TimeLimit, u"0:00:00");
    EXPECT_DOUBLE_EQ(f.StartTime * 86400, 10 * 3600 + 30);
    EXPECT_EQ(f.StartTimer, 0);
    EXPECT_TRUE(f.AnswerPending && f.ClickShowsLevels);
    EXPECT_EQ(screen(), "");

    chooseLevel(2);
    f.Letters(1, 1).clear(); // as if the letter had been picked
    f.Grid1.Row = f.Grid1.Col = 1;
    f.Grid1.setText(u"");
    f.surface.Print({u"старое"});
    host.advance(90);
    f.Command7.click();
    EXPECT_EQ(controlStates(f), StartButtons);
    EXPECT_FALSE(f.Option2.Value());
    EXPECT_EQ(f.TimeLimit, u"0:00:60"); // the limit stays, though no level is chosen now
    EXPECT_DOUBLE_EQ(f.StartTime * 86400, host.clock);
    EXPECT_EQ(f.Letters(1, 1) + f.Grid1.TextMatrix(1, 1), u"ОО");
    EXPECT_EQ(f.QuestionCount, 3);
    EXPECT_EQ(f.PlayerNo, 1);
    EXPECT_EQ(f.MinutesUsed(1) + f.SecondsUsed(100), u"");
    EXPECT_EQ(screen(), "");
}

// "Сброс" clears the results but keeps names and grades, and counts players from 1 again.
TEST_F(StartUp, NewPlayerAndResetKeepLevelNamesAndGrades) {
    Form1& f = start();
    chooseLevel(3);
    const double startTime = f.StartTime;
    host.advance(42);
    f.surface.Print({u"старое"});
    f.Answer = u"ТО";
    f.PickDepth = 2;
    f.Percent = 50;
    f.StartTimer = 77;
    registerPlayer(u"Иванов");
    EXPECT_EQ(host.prompts, (std::vector<std::u16string>{u"Ваша фамилия? (Команда?)"}));
    EXPECT_EQ(f.PlayerName(f.PlayerNo), u"Иванов");
    EXPECT_EQ(controlStates(f), GameButtons);
    EXPECT_TRUE(f.Option3.Value());
    EXPECT_EQ(f.TimeLimit, u"0:05:00");
    EXPECT_EQ(f.StartTime, startTime);
    EXPECT_EQ(screen(), NewPlayerHint);
    EXPECT_EQ(f.Answer, u"");
    EXPECT_EQ(f.PickDepth + f.Percent + f.StartTimer + f.QuestionNo, 0);
    EXPECT_EQ(f.MinutesUsed(1), u"0");
    EXPECT_EQ(f.QuestionCount, 3);

    // A cancelled box stores an empty name, and play goes on.
    f.Points(1) = 3;
    f.Command10.click(); // "Обучалка" brings "Новый игрок" back
    f.Command6.click();
    EXPECT_EQ(f.PlayerName(f.PlayerNo), u"");
    EXPECT_EQ(f.Points(1), 3);
    EXPECT_EQ(screen(), NewPlayerHint);

    f.Mistakes(2) = 1;
    f.Grade(1) = 5;
    f.UndoAllowed = true;
    f.Command7.click();
    EXPECT_EQ(f.PlayerNo, 1);
    EXPECT_EQ(f.Points(1) + f.Mistakes(2), 0);
    EXPECT_EQ(f.Grade(1), 5);
    EXPECT_FALSE(f.UndoAllowed);
    EXPECT_EQ(controlStates(f), GameButtons);
    f.Command10.click();
    registerPlayer(u"Сидоров");
    EXPECT_EQ(f.PlayerNo, 2);
    EXPECT_EQ(f.PlayerName(1) + f.PlayerName(2), u"ИвановСидоров");

    f.Command1.click(); // "Выход" prints nothing
    EXPECT_EQ(host.endRequests, 1);
    EXPECT_EQ(screen(), NewPlayerHint);
}

// The player table has 100 places: the 101st player is turned away until "Сброс".
TEST_F(StartUp, HundredAndFirstPlayerIsRefusedUntilReset) {
    Form1& f = start();
    for (int n = 1; n <= 100; ++n) {
        registerPlayer(u"Игрок");
        f.Command10.click();
    }
    f.surface.Cls();
    host.names.push_back(u"Лишний");
    f.Command6.click();
    EXPECT_EQ(f.PlayerNo, 100);
    EXPECT_EQ(host.prompts.size(), 100u);
    EXPECT_EQ(screen(), " Игроков уже 100. Нажмите -Сброс-, чтобы начать новый список игроков.");
    f.Command7.click();
    f.Command6.click();
    EXPECT_EQ(f.PlayerNo, 2);
    EXPECT_EQ(f.PlayerName(2), u"Лишний");
}

} // namespace
} // namespace vatro::testing
