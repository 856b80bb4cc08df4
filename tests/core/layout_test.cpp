#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class Layout : public GameTest {};

TEST_F(Layout, ControlsKeepTheirDistanceFromTheBottomRightCorner) {
    Form1& f = start();
    f.resizeClient(Form1::DesignWidth, Form1::DesignHeight);
    EXPECT_EQ(f.Command1.Left, 8540);
    EXPECT_EQ(f.Command1.Top, 6410);
    EXPECT_EQ(f.Grid1.Left, 140);
    EXPECT_EQ(f.Grid1.Top, 1710);
    EXPECT_EQ(f.Text2.Left, 6740);
    EXPECT_EQ(f.Text2.Top, 1110);
    EXPECT_EQ(f.Command10.Top, 810);
    EXPECT_EQ(f.Command2.Top, 2310);
    // Level options stand in one column: "Мастер", "User2", "User1" from the top.
    EXPECT_LT(f.Option2.Top, f.Option3.Top);
    EXPECT_LT(f.Option3.Top, f.Option1.Top);

    std::vector<std::pair<double, double>> before;
    for (Control* control : f.controls)
        before.emplace_back(control->Left, control->Top);
    f.resizeClient(Form1::DesignWidth + 1000, Form1::DesignHeight + 500);
    for (std::size_t n = 0; n < f.controls.size(); ++n) {
        EXPECT_EQ(f.controls[n]->Left, before[n].first + 1000) << utf8(f.controls[n]->Name);
        EXPECT_EQ(f.controls[n]->Top, before[n].second + 500) << utf8(f.controls[n]->Name);
    }
}

TEST_F(Layout, MinimisedWindowPlacesControlsOutsideAndRestoringBringsThemBack) {
    Form1& f = start();
    f.resizeClient(Form1::DesignWidth, Form1::DesignHeight);
    const double width = f.Grid1.Width;
    f.resizeClient(0, 0);
    EXPECT_EQ(f.Grid1.Left, -9700);
    EXPECT_EQ(f.Grid1.Top, -5400);
    EXPECT_EQ(f.Command1.Left, -1300);
    EXPECT_EQ(f.Grid1.Width, width);
    f.resizeClient(Form1::DesignWidth, Form1::DesignHeight);
    EXPECT_EQ(f.Grid1.Left, 140);
    EXPECT_EQ(f.Command1.Top, 6410);
}

// A background click swaps the grids and the level options, starting with the options.
TEST_F(Layout, BackgroundClickSwapsGridsAndLevelOptions) {
    Form1& f = start();
    f.backgroundClick(); // grids already hidden, options already shown
    EXPECT_FALSE(f.Grid1.Visible);
    EXPECT_TRUE(f.Option1.Visible && f.Option2.Visible && f.Option3.Visible);
    f.backgroundClick();
    EXPECT_TRUE(f.Grid1.Visible && f.Grid2.Visible);
    EXPECT_FALSE(f.Option1.Visible || f.Option2.Visible || f.Option3.Visible);
    f.backgroundClick();
    EXPECT_FALSE(f.Grid1.Visible || f.Grid2.Visible);
    EXPECT_TRUE(f.Option1.Visible);
}

TEST_F(Layout, BackgroundClickDuringAGameLeavesQuestionWordAndClockAlone) {
    Form1& f = start();
    registerPlayer(u"Петров");
    chooseLevel(3);
    f.Command8.click();
    f.Command2.click();
    pressLetter(1, 1);
    tickAfter(5);
    const auto shown = printed();
    const auto answer = f.Answer;
    const auto startTime = f.StartTime;
    const bool enabled = f.Grid1.Enabled;
    f.backgroundClick(); // hides the grids
    EXPECT_FALSE(f.Grid1.Visible);
    f.backgroundClick(); // both grids back, options hidden
    EXPECT_TRUE(f.Grid1.Visible && f.Grid2.Visible);
    EXPECT_EQ(printed(), shown);
    EXPECT_EQ(f.Answer, answer);
    EXPECT_EQ(f.StartTime, startTime);
    EXPECT_EQ(f.Grid1.Enabled, enabled);
    EXPECT_TRUE(f.Option3.Value());
}

TEST_F(Layout, SbrosMakesTheNextBackgroundClickShowTheLevelsAgain) {
    Form1& f = start();
    f.backgroundClick();
    EXPECT_FALSE(f.ClickShowsLevels);
    f.Command7.click();
    EXPECT_TRUE(f.ClickShowsLevels);
}

} // namespace
} // namespace vatro::testing
