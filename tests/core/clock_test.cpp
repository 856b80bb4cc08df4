// The levels, the level clock with its time-out, and the time each player uses.
#include "game/timetext.h"
#include "support/gamefixture.h"
#include "support/gamesnapshot.h"

#include <algorithm>

namespace vatro::testing {
namespace {

const std::u16string TimeOutText = u"Ваше время истекло, нажмите -Результат-";

class Clock : public GameTest {
protected:
    bool timedOut() const {
        const auto lines = printed();
        return std::find(lines.begin(), lines.end(), TimeOutText) != lines.end();
    }
    bool anyLevel() {
        return form().Option1.Value() || form().Option2.Value() || form().Option3.Value();
    }
    // A key the grid handlers ignore, which still ends by recording the time used.
    void idleKey() { form().Grid1.keyPress(65, 0); }
};

TEST(TimeText, HoursWithoutLeadingZeroMinutesAndSecondsWithTwoDigits) {
    EXPECT_EQ(timeText(0), u"0:00:00");
    EXPECT_EQ(timeText(307), u"0:05:07");
    EXPECT_EQ(timeText(3725), u"1:02:05");
    EXPECT_EQ(timeText(36000), u"10:00:00");
    EXPECT_EQ(timeText(86399), u"23:59:59");
}

// "Мастер" has the limit "0:00:60"; compared as text it is reached when the clock reads 0:01:00.
TEST_F(Clock, EachLevelTimesOutExactlyAtItsLimit) {
    struct Level {
        int option;
        const char16_t* limit;
        int seconds;
    };
    for (const Level level :
         {Level{1, u"0:10:00", 600}, Level{2, u"0:00:60", 60}, Level{3, u"0:05:00", 300}}) {
        SCOPED_TRACE(level.seconds);
        Form1& f = start();
        registerPlayer(u"Иванов");
        chooseLevel(level.option);
        EXPECT_EQ(f.TimeLimit, level.limit);
        f.Command8.click();
        tickAfter(level.seconds - 1);
        EXPECT_EQ(f.Text2.Text, timeText(level.seconds - 1));
        EXPECT_TRUE(f.Grid1.isReachable());
        EXPECT_FALSE(timedOut());

        f.Command2.click();
        tickAfter(1);
        EXPECT_EQ(f.Text2.Text, timeText(level.seconds));
        ASSERT_TRUE(timedOut());
        // The question stays on screen; the message comes below it.
        EXPECT_EQ(printed().size(), 2u);
        EXPECT_EQ(shownControls(f), "Command1 Command10 Command2 Command3 Command4 Command5 "
                                    "Command6 Command7 Command8 Command9 Option1 Option2 "
                                    "Option3 Text2");
        // "Новый игрок" stays disabled as the game left it.
        EXPECT_EQ(disabledControls(f), "Command2 Command6 Command7 Command8 Command9 Grid1 Grid2");
        EXPECT_FALSE(anyLevel());
        EXPECT_EQ(f.TimeLimit, u"0:00:00");
        EXPECT_DOUBLE_EQ(f.StartTime * 86400, host.clock);
    }
}

// Without a level the clock only counts; a time-out comes again only once a level is chosen.
TEST_F(Clock, NoSecondTimeOutUntilALevelIsChosenAgain) {
    Form1& f = start();
    chooseLevel(2);
    tickAfter(60);
    ASSERT_TRUE(timedOut());
    f.surface.Cls();
    tickAfter(1);
    EXPECT_EQ(f.Text2.Text, u"0:00:01");
    tickAfter(3600);
    EXPECT_EQ(f.Text2.Text, u"1:00:01");
    EXPECT_FALSE(timedOut());

    // A level chosen after its limit has passed times out on the next tick, with no game.
    chooseLevel(3);
    EXPECT_FALSE(timedOut());
    f.Timer1.tick();
    EXPECT_TRUE(timedOut());
    EXPECT_EQ(f.Text2.Text, u"1:00:01");
    f.Timer1.tick();
    EXPECT_EQ(f.Text2.Text, u"0:00:00");
}

// Ticks go on while the name box waits, so the limit can run out before the name is typed.
TEST_F(Clock, TimeOutWhileTheNameBoxIsOpen) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(2);
    f.Command8.click();
    tickAfter(30);
    f.Command10.click(); // brings "Новый игрок" back; the level and its limit stay
    host.whileNameBoxOpen = [&] {
        tickAfter(59);
        EXPECT_FALSE(timedOut());
        tickAfter(1);
        EXPECT_TRUE(timedOut());
        EXPECT_FALSE(f.Command2.Enabled || f.Command7.Enabled);
    };
    registerPlayer(u"Петров");
    EXPECT_EQ(f.PlayerNo, 2);
    EXPECT_EQ(f.PlayerName(2), u"Петров");
    // The rest of "Новый игрок" clears the message and enables only "Игра1" and "Игра2".
    EXPECT_EQ(printed(),
              (std::vector<std::u16string>{u"Нажмте -Сброс-, затем выберите Уровень и -Игру-"}));
    EXPECT_FALSE(f.Command2.Enabled || f.Command7.Enabled);
    EXPECT_TRUE(f.Command8.Enabled && f.Command9.Enabled);
    EXPECT_FALSE(anyLevel());
    EXPECT_EQ(f.TimeLimit, u"0:00:00");
}

TEST_F(Clock, TrainingRunsUnderALevelChosenBeforeAndWithoutOneNeverTimesOut) {
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
}

TEST_F(Clock, ChangingTheLevelMidGameKeepsTheClockStart) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(1);
    f.Command8.click();
    const double startTime = f.StartTime;
    tickAfter(200);
    f.backgroundClick(); // shows the level options, hides the board
    chooseLevel(3);
    f.backgroundClick(); // and back to the board
    EXPECT_EQ(f.TimeLimit, u"0:05:00");
    EXPECT_EQ(f.StartTime, startTime);
    tickAfter(99);
    EXPECT_FALSE(timedOut());
    tickAfter(1);
    EXPECT_TRUE(timedOut());
}

// Across midnight the clock and the time used count on; nothing turns negative.
TEST_F(Clock, AGameAcrossMidnightCountsOn) {
    host.clock = 86400 - 30;
    Form1& f = start();
    registerPlayer(u"Иванов");
    chooseLevel(2);
    f.Command8.click();
    tickAfter(45);
    ASSERT_LT(host.clock, 60);
    EXPECT_EQ(f.Text2.Text, u"0:00:45");
    EXPECT_FALSE(timedOut());
    idleKey();
    EXPECT_EQ(f.MinutesUsed(1), u" 0");
    EXPECT_EQ(f.SecondsUsed(1), u" 45");
    tickAfter(14);
    EXPECT_FALSE(timedOut());
    tickAfter(1);
    EXPECT_TRUE(timedOut());
}

// The time used runs from the start of the game to the latest key or press in a grid.
TEST_F(Clock, TimeUsedIsStoredInWholeMinutesAndRemainingSeconds) {
    Form1& f = start();
    registerPlayer(u"Иванов");
    struct Case {
        double seconds;
        const char16_t* minutes;
        const char16_t* rest;
    };
    for (const Case c : {Case{59.9, u" 0", u" 59"}, Case{120, u" 2", u" 0"},
                         Case{125.4, u" 2", u" 5"}, Case{0.2, u" 0", u" 0"}}) {
        host.clock = 43200;
        f.Command10.click();
        EXPECT_EQ(f.StartTimer, 43200);
        host.advance(c.seconds);
        idleKey();
        EXPECT_EQ(f.MinutesUsed(1), c.minutes) << c.seconds;
        EXPECT_EQ(f.SecondsUsed(1), c.rest) << c.seconds;
    }
    EXPECT_EQ(f.MinutesUsed(2), u"0");
}

// With nobody registered there is no slot to record the time in.
TEST_F(Clock, NothingIsRecordedBeforeAPlayerRegisters) {
    Form1& f = start();
    f.backgroundClick();
    f.backgroundClick(); // the grids are back, though nobody has registered
    ASSERT_TRUE(f.Grid1.isReachable());
    host.advance(10);
    idleKey();
    EXPECT_EQ(f.MinutesUsed(1), u"0");
    EXPECT_EQ(f.SecondsUsed(1), u"0");
}

} // namespace
} // namespace vatro::testing
