#include "viewfixture.h"

#include "ui/qt/fontmap.h"
#include "ui/qt/twips.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

namespace vatro::testing {
namespace {

class StartUpWindow : public ViewTest {};

TEST_F(StartUpWindow, ControlsStandWhereTheirModelsPlaceThemWithTheirLooks) {
    startViews();
    const double dpi = mainView().dpi();
    EXPECT_EQ(mainView().windowTitle(), QStringLiteral("Ватро"));
    EXPECT_EQ(mainView().clientArea().size(), QSize(twipsToPx(9840, dpi), twipsToPx(7110, dpi)));
    // The client area starts below the menu bar, so twips count from its corner.
    EXPECT_EQ(mainView().clientArea().y(), mainView().menuBar()->height());
    for (const Control* control : form().controls)
        EXPECT_EQ(widget(*control).geometry(), placeOf(*control)) << utf8(control->Name);

    const QWidget& exit = widget(form().Command1);
    EXPECT_EQ(exit.palette().color(QPalette::Button), QColor(255, 128, 128));
    EXPECT_EQ(exit.font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(exit.font().bold());
    EXPECT_DOUBLE_EQ(exit.font().pointSizeF(), 9.75);
    EXPECT_EQ(widget(form().Text2).font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(widget(form().Text2).font().pointSizeF(), 18);
    EXPECT_EQ(gridView(form().Grid1).font().family(), QStringLiteral("Liberation Serif"));
    savePicture(mainView(), QStringLiteral("startup.png"));
}

TEST_F(StartUpWindow, ShowsLevelsClockAndFourButtonsUntilAPlayerRegisters) {
    startViews();
    const std::set<QString> startUp = {"Мастер", "User2",   "User1", "Новый игрок",
                                       "Сброс",  "Справка", "Выход"};
    EXPECT_EQ(visibleCaptions(), startUp);
    EXPECT_TRUE(widget(form().Text2).isVisible());
    EXPECT_FALSE(widget(form().Grid1).isVisible());
    EXPECT_FALSE(widget(form().Grid2).isVisible());

    registerByClick(u"Иванов");
    EXPECT_EQ(form().PlayerName(1), u"Иванов");
    std::set<QString> playing = startUp;
    playing.insert({"Пуск", "Игра1", "Игра2", "Обучалка", "Очистка", "Результат"});
    EXPECT_EQ(visibleCaptions(), playing);
    EXPECT_FALSE(widget(form().Command6).isEnabled());
}

TEST_F(StartUpWindow, LevelOptionsShowTheOneChoiceTheGameKeeps) {
    startViews();
    auto& user1 = dynamic_cast<QRadioButton&>(widget(form().Option1));
    auto& master = dynamic_cast<QRadioButton&>(widget(form().Option2));
    click(form().Option1);
    EXPECT_TRUE(user1.isChecked());
    EXPECT_EQ(form().TimeLimit, u"0:10:00");
    // A second click on the chosen option leaves it chosen.
    click(form().Option1);
    EXPECT_TRUE(user1.isChecked());
    EXPECT_TRUE(form().Option1.Value());
    click(form().Option2);
    EXPECT_TRUE(master.isChecked());
    EXPECT_FALSE(user1.isChecked());
    EXPECT_EQ(form().TimeLimit, u"0:00:60");
}

TEST_F(StartUpWindow, ControlsKeepTheirDistanceFromTheCornerAsThePlayerResizes) {
    startViews();
    const double dpi = mainView().dpi();
    QWidget& exit = widget(form().Command1);
    const QPoint designPlace = exit.pos();
    const QSize designSize = mainView().size();

    mainView().resize(designSize + QSize(100, 60));
    settle();
    EXPECT_DOUBLE_EQ(form().ScaleWidth, pxToTwips(mainView().clientArea().width(), dpi));
    EXPECT_DOUBLE_EQ(form().ScaleHeight, pxToTwips(mainView().clientArea().height(), dpi));
    EXPECT_EQ(exit.pos(), designPlace + QPoint(100, 60));
    EXPECT_EQ(exit.size(), placeOf(form().Command1).size());

    // Smaller than the controls' distances: they go off the window, and come back.
    mainView().resize(20, mainView().menuBar()->height() + 10);
    settle();
    EXPECT_LT(exit.x(), 0);
    EXPECT_LT(exit.y(), 0);
    mainView().resize(designSize);
    settle();
    EXPECT_EQ(exit.pos(), designPlace);

    // A minimised window has no client area; restored, it has its own again.
    mainView().showMinimized();
    settle();
    EXPECT_EQ(form().ScaleWidth, 0);
    EXPECT_EQ(form().Command1.Left, -1300);
    mainView().showNormal();
    settle();
    EXPECT_EQ(exit.pos(), designPlace);
}

TEST_F(StartUpWindow, TheTabKeyWalksTheControlsInTheirDesignedOrder) {
    startViews();
    registerByClick(u"Иванов");
    mainView().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainView()));
    widget(form().Command4).setFocus();
    // Hidden grids and the disabled "Новый игрок" are passed over.
    const Control* expected[] = {&form().Command10, &form().Command2, &form().Command7,
                                 &form().Command5,  &form().Command3, &form().Command8};
    for (const Control* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &widget(*next)) << utf8(next->Name);
    }
}

TEST_F(StartUpWindow, BackgroundClicksSwapTheGridsAndTheLevelOptions) {
    startViews();
    registerByClick(u"Иванов");
    ClientArea& background = mainView().clientArea();
    const QPoint free(20, 20);
    // The grids are hidden and the options shown already: the first click changes nothing.
    QTest::mouseClick(&background, Qt::LeftButton, {}, free);
    EXPECT_FALSE(widget(form().Grid1).isVisible());
    EXPECT_TRUE(widget(form().Option1).isVisible());
    QTest::mouseClick(&background, Qt::LeftButton, {}, free);
    EXPECT_TRUE(widget(form().Grid1).isVisible());
    EXPECT_TRUE(widget(form().Grid2).isVisible());
    EXPECT_FALSE(widget(form().Option1).isVisible());
    // Only the left button clicks.
    QTest::mouseClick(&background, Qt::RightButton, {}, free);
    EXPECT_TRUE(widget(form().Grid1).isVisible());
}

// Counts the repaints of every widget while it lives.
class PaintCounter : public QObject {
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(StartUpWindow, TheClockBoxShowsEachNewSecondAndAnIdleTickRepaintsNothing) {
    startViews();
    widget(form().Command4).setFocus(); // no blinking cursor in the clock box
    host.advance(5);
    views().tick();
    EXPECT_EQ(dynamic_cast<QLineEdit&>(widget(form().Text2)).text(), QStringLiteral("0:00:05"));
    settle();

    PaintCounter counter;
    views().tick();
    settle();
    EXPECT_EQ(counter.paints, 0);
    host.advance(1);
    views().tick();
    settle();
    EXPECT_GT(counter.paints, 0);
}

TEST_F(StartUpWindow, TheMenuBarCarriesTheDesignedEntries) {
    startViews();
    QStringList top;
    for (QAction* action : mainView().menuBar()->actions())
        top << action->text();
    EXPECT_EQ(top, (QStringList{"Рейтинг", "Справка", "Об авторах", "Редактор"}));
    QMenu* rating = mainView().actionFor(form().Ватро1)->menu();
    ASSERT_NE(rating, nullptr);
    EXPECT_EQ(rating->actions().size(), 2);
    EXPECT_EQ(rating->actions().at(0)->text(), QStringLiteral("промежуточный"));
    // "Редактор" does nothing.
    const auto before = printed();
    mainView().actionFor(form().Ватро4)->trigger();
    EXPECT_EQ(printed(), before);
}

} // namespace
} // namespace vatro::testing
