// The levels, the level clock with its time-out, and the time each player uses.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

const std::string TimeOutText = "Ваше время истекло, нажмите -Результат-";

class Clock : public GameTest {
protected:
    bool timedOut() const { return screen().find(TimeOutText) != std::string::npos; }
    bool anyLevel() {
        return form().Option1.Value() || form().Option2.Value() || form().Option3.Value();
    }
    // A key the grid handlers ignore, which still ends by recording the time used.
    void idleKey() { form().Grid1.keyPress(65, 0); }
};

// "Мастер" has the limit "0:00:60": compared as text, it is reached when the clock reads 0:01:00.
TEST_F(Clock, EachLevelTimesOutExactlyAtItsLimit) {
    const struct {
        int option;
        const char16_t *limit, *before, *at;
        int seconds;
    } levels[] = {{1, u"0:10:00", u"0:09:59", u"0:10:00", 600},
                  {2, u"0:00:60", u"0:00:59", u"0:01:00", 60},
                  {3, u"0:05:00", u"0:04:59", u"0:05:00", 300}};
    for (const auto& level : levels) {
        SCOPED_TRACE(level.seconds);
        Form1& f = play(&Form1::Command8, level.option);
        EXPECT_EQ(f.TimeLimit, level.limit);
        tickAfter(level.seconds - 1);
        EXPECT_EQ(f.Text2.Text, level.before);
        EXPECT_TRUE(f.Grid1.isReachable());
        EXPECT_FALSE(timedOut());
        tickAfter(1);
        EXPECT_EQ(f.Text2.Text, level.at);
        // The question stays on screen; "Новый игрок" stays disabled as the game left it.
        EXPECT_EQ(screen(), "{darkgreen}" + question(1) + "\n" + TimeOutText);
        EXPECT_EQ(controlStates(f), "Command1 Command10 Command2 Command3 Command4 Command5 "
                                    "Command6 Command7 Command8 Command9 Option1 Option2 Option3 "
                                    "Text2 | disabled: Command2 Command6 Command7 Command8 "
                                    "Command9 Grid1 Grid2");
        EXPECT_FALSE(anyLevel());
        EXPECT_EQ(f.TimeLimit, u"0:00:00");
        EXPECT_DOUBLE_EQ(f.StartTime * 86400, host.clock);
    }
}

// Without a level the clock only counts; a level chosen past its limit times out at once.
TEST_F(Clock, NoSecondTimeOutUntilALevelIsChosenAgain) {
    Form1& f = start();
    chooseLevel(2);
    tickAfter(60);
    ASSERT_TRUE(timedOut());
    f.surface.Cls();
    tickAfter(1);
    EXPECT_EQ(f.Text2.Text, u"0:00:01");
    tickAfter(3600 + 2 * 60 + 4);
    EXPECT_EQ(f.Text2.Text, u"1:02:05");
    tickAfter(9 * 3600);
    EXPECT_EQ(f.Text2.Text, u"10:02:05");
    EXPECT_FALSE(timedOut());

    chooseLevel(3);
    EXPECT_FALSE(timedOut());
    f.Timer1.tick();
    EXPECT_TRUE(timedOut());
    EXPECT_EQ(f.Text2.Text, u"10:02:05");
    f.Timer1.tick();
    EXPECT_EQ(f.Text2.Text, u"0:00:00");
}

// Ticks go on while the name box waits, so the limit can run out before the name is typed.
TEST_F(Clock, TimeOutWhileTheNameBoxIsOpen) {
    Form1& f = play(&Form1::Command8, 2);
    tickAfter(30);
    f.Command10.click(); // brings "Новый игрок" back; the level and its limit stay
    host.whileNameBoxOpen = [&] {
        tickAfter(59);
        EXPECT_FALSE(timedOut());
        tickAfter(1);
        EXPECT_TRUE(timedOut());
    };
    registerPlayer(u"Петров");
    EXPECT_EQ(f.PlayerName(2), u"Петров");
    EXPECT_EQ(screen(), "Выберите Уровень и -Игру-");
    EXPECT_FALSE(f.Command2.Enabled || f.Command7.Enabled);
    EXPECT_TRUE(f.Command8.Enabled && f.Command9.Enabled);
    EXPECT_FALSE(anyLevel());
    EXPECT_EQ(f.TimeLimit, u"0:00:00");
}

// "Обучалка" times out only under a level chosen before it; a new level keeps the start.
TEST_F(Clock, TrainingAndLevelChangesTimeOutFromTheGamesStart) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    f.Command10.click();
    tickAfter(700);
    EXPECT_FALSE(timedOut());
    f.backgroundClick(); // shows the level options again
    chooseLevel(2);
    f.Command10.click();
    tickAfter(59);
    EXPECT_FALSE(timedOut());
    tickAfter(1);
    EXPECT_TRUE(timedOut());

    chooseLevel(1);
    f.Command10.click();
    tickAfter(200);
    f.backgroundClick();
    f.backgroundClick(); // the second click shows the level options
    chooseLevel(3);
    f.backgroundClick(); // and this one the grids
    EXPECT_EQ(f.TimeLimit, u"0:05:00");
    tickAfter(99);
    EXPECT_FALSE(timedOut());
    tickAfter(1);
    EXPECT_TRUE(timedOut());
}

// The time used runs from the game's start to the last grid event, for registered players.
TEST_F(Clock, TimeUsedIsStoredInWholeMinutesAndRemainingSeconds) {
    Form1& f = start();
    f.backgroundClick();
    f.backgroundClick();
    ASSERT_TRUE(f.Grid1.isReachable());
    host.advance(10);
    idleKey();
    EXPECT_EQ(f.MinutesUsed(1) + u"|" + f.SecondsUsed(1), u"0|0");

    registerPlayer(u"Иванов");
    const struct {
        double start, seconds;
        const char16_t *clock, *used;
    } cases[] = {{43200, 59.9, u"0:00:59", u" 0| 59"},
                 {43200, 120, u"0:02:00", u" 2| 0"},
                 {43200, 125.4, u"0:02:05", u" 2| 5"},
                 {43200, 0.2, u"0:00:00", u" 0| 0"},
                 {86400 - 30, 45, u"0:00:45", u" 0| 45"}};
    for (const auto& c : cases) {
        host.clock = c.start;
        f.Command10.click();
        tickAfter(c.seconds);
        idleKey();
        EXPECT_EQ(f.Text2.Text, c.clock) << c.seconds;
        EXPECT_EQ(f.MinutesUsed(1) + u"|" + f.SecondsUsed(1), c.used) << c.seconds;
    }
    EXPECT_EQ(f.MinutesUsed(2), u"0");
}

} // namespace
} // namespace vatro::testing
