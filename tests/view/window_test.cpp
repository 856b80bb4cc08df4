// Every window mirrors its model: places, looks, what is shown, sizes and the clock; the
// fonts and the host the real program uses.
#include "viewtest.h"

#include "view/fontmap.h"
#include "view/qthost.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace vatro::testing {
namespace {

class Windows : public ViewTest {
protected:
    // Every control's widget stands where its model says, shows and takes input as it says.
    void expectMirrored() {
        const double dpi = mainView().logicalDpiX();
        for (const Control* c : form().controls) {
            const QWidget& view = widget(*c);
            EXPECT_EQ(view.geometry(), QRect(px(c->Left, dpi), px(c->Top, dpi), px(c->Width, dpi),
                                             px(c->Height, dpi)))
                << utf8(c->Name);
            EXPECT_EQ(view.isVisible(), c->Visible) << utf8(c->Name);
            EXPECT_EQ(view.isEnabled(), c->Enabled) << utf8(c->Name);
        }
    }
};

// Counts the repaints of every widget while it lives.
struct PaintCounter : QObject {
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

TEST_F(Windows, MirrorsEveryControlFromStartUpToAPlayersTurnAndTheClock) {
    startViews();
    const double dpi = mainView().logicalDpiX();
    EXPECT_EQ(mainView().windowTitle(), QStringLiteral("Ватро"));
    EXPECT_EQ(mainView().clientArea().size(), QSize(px(9840, dpi), px(7110, dpi)));
    EXPECT_EQ(mainView().clientArea().y(), mainView().menuBar()->height());
    const auto& exit = dynamic_cast<QAbstractButton&>(widget(form().Command1));
    EXPECT_EQ(exit.text(), QStringLiteral("Выход"));
    EXPECT_EQ(exit.palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_TRUE(exit.font().bold());
    EXPECT_DOUBLE_EQ(widget(form().Text2).font().pointSizeF(), 18);
    EXPECT_EQ(widget(form().Grid1).font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(mainView().menuBar()->actions().at(2)->text(), QStringLiteral("Об авторах"));
    expectMirrored();
    EXPECT_TRUE(widget(form().Option1).isVisible() && !widget(form().Command2).isVisible());
    picture(mainView(), "startup.png");

    registerByClick(u"Иванов");
    EXPECT_EQ(form().PlayerName(1), u"Иванов");
    expectMirrored();
    EXPECT_TRUE(widget(form().Command2).isVisible() && !widget(form().Command6).isEnabled());
    // The options show the one choice the game keeps, never one of their own.
    click(form().Option1);
    click(form().Option2);
    EXPECT_EQ(form().TimeLimit, u"0:00:60");
    EXPECT_TRUE(dynamic_cast<QRadioButton&>(widget(form().Option2)).isChecked());
    EXPECT_FALSE(dynamic_cast<QRadioButton&>(widget(form().Option1)).isChecked());

    // Tab walks the controls as they stand, top to bottom and left to right, past hidden
    // and disabled ones, and round again from the top.
    mainView().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainView()));
    widget(form().Command4).setFocus();
    for (const Control* next : std::initializer_list<const Control*>{
             &form().Command1, &form().Command10, &form().Text2, &form().Command9, &form().Command8,
             &form().Command2, &form().Option2, &form().Option3, &form().Command3, &form().Command5,
             &form().Option1, &form().Command7}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &widget(*next)) << utf8(next->Name);
    }

    // The clock box shows each new second; a tick within the second repaints nothing.
    host.advance(5);
    views->tick();
    EXPECT_EQ(dynamic_cast<QLineEdit&>(widget(form().Text2)).text(), QStringLiteral("0:00:05"));
    settle();
    PaintCounter counter;
    views->tick();
    settle();
    EXPECT_EQ(counter.paints, 0);
    host.advance(1);
    views->tick();
    settle();
    EXPECT_GT(counter.paints, 0);
}

TEST_F(Windows, BackgroundClicksSwapGridsAndLevelsAndControlsKeepToTheCornerAtEverySize) {
    startViews();
    registerByClick(u"Иванов");
    auto clickBackground = [this](Qt::MouseButton button) {
        mouse(QTest::MouseClick, mainView().clientArea(), QPoint(20, 20), button);
        return widget(form().Grid1).isVisible() && widget(form().Grid2).isVisible();
    };
    // The grids are hidden and the options shown already: the first click changes nothing.
    EXPECT_FALSE(clickBackground(Qt::LeftButton));
    // The mouse picture lies under the controls, below the top band the game prints in.
    const int top = mainView().clientArea().y();
    EXPECT_LT(pixelsOf(mainView().grab().toImage(), Qt::white, QRect(0, top + 120, 440, 300)),
              440 * 300 * 0.95);
    EXPECT_TRUE(clickBackground(Qt::LeftButton));
    EXPECT_FALSE(widget(form().Option1).isVisible());
    EXPECT_TRUE(clickBackground(Qt::RightButton));
    pressCell(form().Grid1, 2, 2);
    EXPECT_TRUE(widget(form().Grid1).isVisible()) << "the press on a grid is no background click";

    picture(mainView(), "main-design.png");
    QWidget& exit = widget(form().Command1);
    const QPoint designPlace = exit.pos();
    const QSize designSize = mainView().size();
    const double dpi = mainView().logicalDpiX();
    mainView().resize(designSize + QSize(200, 120));
    picture(mainView(), "main-larger.png");
    EXPECT_EQ(exit.pos(), designPlace + QPoint(200, 120));
    EXPECT_NEAR(form().ScaleWidth, mainView().clientArea().width() * 1440 / dpi, 1e-6);
    EXPECT_NEAR(form().ScaleHeight, mainView().clientArea().height() * 1440 / dpi, 1e-6);
    expectMirrored();

    // Smaller than the distances: the controls go off the window, and come back.
    mainView().resize(20, mainView().menuBar()->height() + 10);
    settle();
    EXPECT_TRUE(exit.x() < 0 && exit.y() < 0);
    mainView().resize(designSize);
    // A minimised window has no client area; restored, it has its own again.
    mainView().showMinimized();
    settle();
    EXPECT_EQ(form().ScaleWidth, 0);
    mainView().showNormal();
    settle();
    EXPECT_EQ(exit.pos(), designPlace);
}

// Whether the window's centre lies on the main window's centre, give or take a frame.
bool centredOver(const QWidget& window, const QWidget& main) {
    return (window.geometry().center() - main.geometry().center()).manhattanLength() <= 4;
}

TEST_F(Windows, HelpAndCreditsOpenOnceModelessOverTheMainWindow) {
    startViews();
    mainView().actionFor(form().Ватро2)->trigger();
    WindowView& help = viewOf(form().Form2);
    EXPECT_TRUE(help.isVisible() && help.isWindow() && centredOver(help, mainView()));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Ватро1"));
    const QImage instructions = picture(help, "help.png");
    EXPECT_GT(pixelsOf(instructions, QColor(0, 0, 255)), 500) << "six blue lines";
    EXPECT_GT(pixelsOf(instructions, QColor(255, 0, 0)), 100) << "the red line";

    mainView().actionFor(form().Ватро3)->trigger();
    WindowView& credits = viewOf(form().Form7);
    EXPECT_EQ(credits.windowTitle(), QStringLiteral("Ватро6"));
    // The portrait at the top-left corner, the blue text beside and below it.
    const QImage shot = picture(credits, "credits.png");
    EXPECT_LT(pixelsOf(shot, credits.palette().color(QPalette::Button), QRect(0, 0, 144, 200)),
              144 * 200 / 2);
    EXPECT_GT(pixelsOf(shot, Qt::blue, QRect(150, 0, 300, 120)), 200);
    EXPECT_GT(pixelsOf(shot, Qt::blue, QRect(0, 230, 400, 60)), 200);
    // The main window stays usable under both.
    registerByClick(u"Петров");
    EXPECT_EQ(form().PlayerName(1), u"Петров");
    EXPECT_TRUE(help.isVisible() && credits.isVisible());

    auto* more = dynamic_cast<QPushButton*>(help.widgetFor(form().Form2.Command1));
    ASSERT_NE(more, nullptr);
    mouse(QTest::MouseClick, *more, more->rect().center());
    const auto helpFile = form().Form2.surface.texts();
    mouse(QTest::MouseClick, help.clientArea(), QPoint(5, 5), Qt::RightButton);
    EXPECT_NE(form().Form2.surface.texts(), helpFile) << "any release reprints";
    EXPECT_TRUE(help.isVisible());
    mouse(QTest::MouseClick, help.clientArea(), QPoint(5, 5));
    EXPECT_FALSE(help.isVisible() || form().Form2.Visible());
    click(form().Command4);
    EXPECT_EQ(views->viewOf(form().Form2), &help);
    EXPECT_TRUE(help.isVisible());
}

TEST_F(Windows, GradeWindowsOpenTogetherKeepTheirSizeAndAreMadeAnewAfterClosing) {
    startViews();
    const std::tuple<GradeWindow&, QColor, const char*> grades[] = {
        {form().Form3, Qt::red, "grade-5.png"},
        {form().Form4, QColor(255, 128, 128), "grade-4.png"},
        {form().Form5, QColor(0, 192, 0), "grade-3.png"},
        {form().Form6, Qt::blue, "grade-2.png"}};
    for (const auto& [window, color, file] : grades) {
        window.Show();
        views->sync();
        EXPECT_GT(pixelsOf(picture(viewOf(window), file), color), 60) << file;
    }
    WindowView& five = viewOf(form().Form3);
    WindowView& two = viewOf(form().Form6);
    EXPECT_TRUE(five.isVisible() && two.isVisible() && centredOver(five, mainView()));
    EXPECT_EQ(five.windowTitle(), QStringLiteral("Form3"));
    const double dpi = five.logicalDpiX();
    EXPECT_EQ(five.clientArea().size(), QSize(px(3510, dpi), px(1995, dpi)));
    five.resize(five.size() * 2);
    settle();
    EXPECT_DOUBLE_EQ(form().Form3.ScaleWidth, 3510);

    mouse(QTest::MouseClick, five.clientArea(), QPoint(5, 5));
    EXPECT_FALSE(five.isVisible());
    EXPECT_TRUE(two.isVisible());
    // Its own close button discards the window; the next showing creates it anew.
    two.close();
    EXPECT_FALSE(form().Form6.isLoaded());
    form().Form6.Show();
    views->sync();
    EXPECT_TRUE(form().Form6.isLoaded() && two.isVisible());
}

TEST(DesignedFonts, EachMapsToAnInstalledFaceWithCyrillic) {
    for (const auto& [designed, installed] :
         {std::pair(u"Arial", "Liberation Sans"), std::pair(u"Times New Roman", "Liberation Serif"),
          std::pair(u"MS Sans Serif", "Liberation Sans"), std::pair(u"Monotype Corsiva", "Z003")}) {
        const QFont font = qtFont(Font{designed, 13.5, true, false});
        // Fontconfig may name the foundry after the family, as in "Z003 [urw]".
        EXPECT_TRUE(QFontInfo(font).family().startsWith(QLatin1String(installed))) << installed;
        EXPECT_TRUE(QFontMetrics(font).inFont(QChar(u'Ж')) && QFontInfo(font).bold());
    }
}

TEST_F(Windows, TheRealNameBoxSpeaksRussianWhileTheClockTicksAndChanceStaysBelowOne) {
    startViews();
    views->startClock(std::chrono::milliseconds(10));
    QString seen;
    QTimer::singleShot(30, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        host.advance(7);
        auto& clock = dynamic_cast<QLineEdit&>(widget(form().Text2));
        EXPECT_TRUE(QTest::qWaitFor([&] { return clock.text() == QStringLiteral("0:00:07"); }));
        seen = box->windowTitle() + "|";
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
            seen += button->text();
        box->setTextValue(QStringLiteral("Петров"));
        box->accept();
    });
    QtHost real;
    EXPECT_EQ(real.inputBox(u"Ваша фамилия? (Команда?)"), u"Петров");
    EXPECT_TRUE(seen.startsWith(QStringLiteral("Ватро|")) &&
                seen.contains(QStringLiteral("Отмена")))
        << seen.toStdString();

    std::vector<double> values(1000);
    std::generate(values.begin(), values.end(), [&] { return real.random(); });
    EXPECT_TRUE(
        std::all_of(values.begin(), values.end(), [](double x) { return x >= 0 && x < 1; }));
}

} // namespace
} // namespace vatro::testing
