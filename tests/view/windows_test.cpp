#include "viewfixture.h"

#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace vatro::testing {
namespace {

class SecondaryWindows : public ViewTest {
protected:
    // Whether the window's centre lies on the main window's centre, give or take a frame.
    bool centredOverMain(const QWidget& window) {
        const QPoint offset = window.geometry().center() - mainView().geometry().center();
        return offset.manhattanLength() <= 4;
    }
};

TEST_F(SecondaryWindows, HelpAndCreditsOpenFromTheMenuCentredOverTheMainWindow) {
    startViews();
    mainView().actionFor(form().Ватро2)->trigger();
    WindowView& help = viewOf(form().Form2);
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.isWindow());
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Ватро1"));
    EXPECT_TRUE(centredOverMain(help));

    mainView().actionFor(form().Ватро3)->trigger();
    WindowView& credits = viewOf(form().Form7);
    EXPECT_TRUE(credits.isVisible());
    EXPECT_EQ(credits.windowTitle(), QStringLiteral("Ватро6"));
    // The main window stays usable: the help window is still open beside the credits.
    EXPECT_TRUE(help.isVisible());
    click(form().Command4);
    EXPECT_TRUE(help.isVisible());
}

TEST_F(SecondaryWindows, HelpWindowReprintsOnAnyReleaseAndHidesOnAClick) {
    startViews();
    click(form().Command4);
    WindowView& help = viewOf(form().Form2);
    auto* more = dynamic_cast<QPushButton*>(help.widgetFor(form().Form2.Command1));
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->text(), QStringLiteral("Дополнительно"));
    QTest::mouseClick(more, Qt::LeftButton);
    const auto helpFile = form().Form2.surface.texts();
    QTest::mouseClick(&help.clientArea(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_NE(form().Form2.surface.texts(), helpFile);
    EXPECT_EQ(form().Form2.surface.texts().back(), u"Щёлкни мышкой по данному окну");
    EXPECT_TRUE(help.isVisible());
    QTest::mouseClick(&help.clientArea(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(help.isVisible());
    EXPECT_FALSE(form().Form2.Visible());
}

TEST_F(SecondaryWindows, GradeWindowsOpenTogetherAndAClosedOneIsMadeAnew) {
    startViews();
    form().Form3.Show();
    form().Form6.Show();
    views().sync();
    WindowView& five = viewOf(form().Form3);
    WindowView& two = viewOf(form().Form6);
    EXPECT_TRUE(five.isVisible());
    EXPECT_TRUE(two.isVisible());
    EXPECT_EQ(five.windowTitle(), QStringLiteral("Form3"));
    // Grade windows keep their designed size.
    EXPECT_EQ(five.clientArea().size(),
              QSize(twipsToPx(3510, five.dpi()), twipsToPx(1995, five.dpi())));
    five.resize(five.size() * 2);
    settle();
    EXPECT_DOUBLE_EQ(form().Form3.ScaleWidth, 3510);

    QTest::mouseClick(&five.clientArea(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(five.isVisible());
    EXPECT_TRUE(two.isVisible());

    // Its own close button discards the window: the next showing prints its text afresh.
    two.close();
    EXPECT_FALSE(form().Form6.isLoaded());
    form().Form6.Show();
    views().sync();
    EXPECT_TRUE(two.isVisible());
    EXPECT_EQ(form().Form6.surface.texts(),
              (std::vector<std::u16string>{u"ПЛОХО!", u"", u"Щёлкни по окну"}));
}

} // namespace
} // namespace vatro::testing
