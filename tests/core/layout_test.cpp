// Layout on resize and the background click of the main window.
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

class Layout : public GameTest {};

// Every control keeps its distance from the bottom-right corner, even outside the window.
TEST_F(Layout, ControlsKeepTheirDistanceFromTheBottomRightCorner) {
    Form1& f = start();
    f.resizeClient(Form1::DesignWidth, Form1::DesignHeight);
    EXPECT_EQ(std::pair(f.Command1.Left, f.Command1.Top), std::pair(8540.0, 6410.0));
    EXPECT_EQ(std::pair(f.Grid1.Left, f.Grid1.Top), std::pair(140.0, 1710.0));
    EXPECT_EQ(std::pair(f.Text2.Left, f.Text2.Top), std::pair(6740.0, 1110.0));
    EXPECT_EQ(std::pair(f.Command10.Top, f.Command2.Top), std::pair(810.0, 2310.0));
    // Level options stand in one column: "Мастер", "User2", "User1" from the top.
    EXPECT_LT(f.Option2.Top, f.Option3.Top);
    EXPECT_LT(f.Option3.Top, f.Option1.Top);

    std::vector<std::pair<double, double>> before;
    for (Control* control : f.controls)
        before.emplace_back(control->Left, control->Top);
    f.resizeClient(Form1::DesignWidth + 1000, Form1::DesignHeight + 500);
    for (std::size_t n = 0; n < f.controls.size(); ++n)
        EXPECT_EQ(std::pair(f.controls[n]->Left, f.controls[n]->Top),
                  std::pair(before[n].first + 1000, before[n].second + 500))
            << utf8(f.controls[n]->Name);

    const double width = f.Grid1.Width;
    f.resizeClient(0, 0);
    EXPECT_EQ(std::pair(f.Grid1.Left, f.Grid1.Top), std::pair(-9700.0, -5400.0));
    EXPECT_EQ(f.Command1.Left, -1300);
    EXPECT_EQ(f.Grid1.Width, width);
    f.resizeClient(Form1::DesignWidth, Form1::DesignHeight);
    EXPECT_EQ(std::pair(f.Grid1.Left, f.Command1.Top), std::pair(140.0, 6410.0));
}

// The first click after start-up or "Сброс" shows the level options, the next the grids.
TEST_F(Layout, BackgroundClickSwapsGridsAndLevelOptionsAndLeavesTheGameAlone) {
    Form1& f = start();
    const auto expectShown = [&](bool grids, bool options) {
        EXPECT_EQ(f.Grid1.Visible && f.Grid2.Visible, grids);
        EXPECT_EQ(f.Grid1.Visible || f.Grid2.Visible, grids);
        EXPECT_EQ(f.Option1.Visible && f.Option2.Visible && f.Option3.Visible, options);
        EXPECT_EQ(f.Option1.Visible || f.Option2.Visible || f.Option3.Visible, options);
    };
    f.backgroundClick();
    expectShown(false, true);
    f.backgroundClick();
    expectShown(true, false);
    f.backgroundClick();
    expectShown(false, true);
    f.Command7.click();
    f.backgroundClick();
    expectShown(false, true);

    registerPlayer(u"Петров");
    chooseLevel(3);
    f.Command8.click();
    f.Command2.click();
    pressLetter(1, 1);
    tickAfter(5);
    const std::string shown = screen();
    const double startTime = f.StartTime;
    f.backgroundClick(); // the last click showed the levels: this one shows both grids
    expectShown(true, false);
    f.backgroundClick();
    expectShown(false, true);
    f.backgroundClick();
    expectShown(true, false);
    EXPECT_EQ(screen(), shown);
    EXPECT_EQ(f.Answer, u"О");
    EXPECT_EQ(f.StartTime, startTime);
    EXPECT_EQ(f.Text2.Text, u"0:00:05");
    EXPECT_TRUE(f.Grid1.Enabled && f.Option3.Value());
}

} // namespace
} // namespace vatro::testing
