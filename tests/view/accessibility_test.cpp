// A pupil without a mouse, or with a screen reader: the keys alone play the whole game, and
// what the game prints reaches assistive technology.
#include "viewtest.h"

#include <QAccessible>
#include <QLineEdit>

namespace vatro::testing {
namespace {

class Accessibility : public ViewTest {
protected:
    static QAccessibleInterface* of(QWidget& widget) {
        return QAccessible::queryAccessibleInterface(&widget);
    }
    // The main window's print surface, as the reader finds it first in the client area.
    QAccessibleInterface* surface() { return of(mainView().clientArea())->child(0); }
    QString surfaceText() {
        QAccessibleTextInterface* text = surface()->textInterface();
        return text ? text->text(0, text->characterCount()) : QString();
    }

    static QWidget& focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? *widget : throw std::logic_error("nothing has the focus");
    }
    // A key as the keyboard sends it, to whatever has the focus.
    static void press(Qt::Key key, const QString& text = {}) {
        QTest::sendKeyEvent(QTest::Click, &focused(), key, text, Qt::NoModifier);
    }
    static void type(const QString& letters) {
        for (QChar letter : letters)
            press(Qt::Key_unknown, letter);
    }
    // Tabs until the control has the focus, as a player walks the window.
    void tabTo(const Control& control) {
        for (int step = 0; step < 20 && &focused() != &widget(control); ++step)
            press(Qt::Key_Tab);
        ASSERT_EQ(&focused(), &widget(control)) << utf8(control.Name) << " is out of reach";
    }
    void pressWithSpace(const Control& control) {
        tabTo(control);
        press(Qt::Key_Space, QStringLiteral(" "));
    }
};

TEST_F(Accessibility, PrintedTextBoardClockAndLevelsAsAScreenReaderFindsThem) {
    startViews();
    registerByClick(u"Иванов");
    QAccessibleInterface* text = surface();
    EXPECT_EQ(text->role(), QAccessible::EditableText);
    EXPECT_TRUE(text->state().readOnly);
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("Сообщения игры"));

    // The levels are one group; each option says whether it is chosen.
    QAccessibleInterface* levels = of(widget(form().Option2))->parent();
    ASSERT_EQ(levels->role(), QAccessible::Grouping);
    EXPECT_EQ(levels->text(QAccessible::Name), QStringLiteral("Уровень"));
    ASSERT_EQ(levels->childCount(), 3);
    EXPECT_EQ(levels->child(0)->text(QAccessible::Name), QStringLiteral("Мастер"));
    EXPECT_EQ(levels->parent(), of(mainView().clientArea()));
    EXPECT_GT(levels->parent()->indexOfChild(levels), 0);
    click(form().Option1);
    EXPECT_TRUE(levels->child(2)->state().checked);

    // The clock only shows the time.
    QAccessibleInterface* clock = of(widget(form().Text2));
    EXPECT_EQ(clock->text(QAccessible::Name), QStringLiteral("Время"));
    EXPECT_TRUE(clock->state().readOnly);
    const QString time = clock->text(QAccessible::Value);
    QTest::keyClicks(&widget(form().Text2), QStringLiteral("xyz"));
    EXPECT_EQ(clock->text(QAccessible::Value), time);

    click(form().Command8);
    click(form().Command2);
    EXPECT_TRUE(surfaceText().startsWith(QString::fromStdU16String(printed().front())));
    EXPECT_TRUE(surfaceText().contains(QStringLiteral("Единица"))) << surfaceText().toStdString();

    // The board is a table of the letters it shows (the small quiz's last row holds four,
    // and so does every row on screen); the reader is on the current cell.
    QAccessibleInterface* board = of(gridView(form().Grid1));
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Буквы"));
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_TRUE(table);
    ASSERT_EQ(std::pair(table->rowCount(), table->columnCount()), std::pair(17, 20));
    for (int row = 0; row < 17; ++row) {
        for (int col = 0; col < 20; ++col)
            ASSERT_EQ(table->cellAt(row, col)->text(QAccessible::Name),
                      QString::fromStdU16String(form().Grid1.TextMatrix(row + 1, col + 1)));
    }
    EXPECT_EQ(table->cellAt(1, 3)->text(QAccessible::Name), QStringLiteral("Ф"));
    ASSERT_TRUE(board->focusChild());
    EXPECT_EQ(board->focusChild(), table->cellAt(form().Grid1.Row - 1, form().Grid1.Col - 1));

    // A pick and a verdict, in the text and as the news a screen reader speaks.
    QAccessibleInterface* area = of(mainView().clientArea());
    QAccessibleInterface* news = area->child(area->childCount() - 1);
    EXPECT_EQ(news->role(), QAccessible::Notification);
    EXPECT_EQ(news->text(QAccessible::Name), surfaceText().trimmed()) << "the question just posed";
    type(QStringLiteral("о"));
    type(QStringLiteral("м"));
    EXPECT_EQ(news->text(QAccessible::Name), QStringLiteral("ОМ")) << "the word so far";
    press(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(surfaceText().endsWith(QStringLiteral("ОМ\nВЕРНО"))) << surfaceText().toStdString();
    EXPECT_EQ(news->text(QAccessible::Name), QStringLiteral("ВЕРНО"));
}

// Tab walks the window top to bottom; Space presses, letters pick, Enter confirms.
TEST_F(Accessibility, KeysAlonePlayAWholeGameToItsGrade) {
    quiz.writeLetters(lettersOf(u"ОМВОЛЬТТОКАБГДЕЖЗИЙПРСУФХЦЧШЩЫЭЮЯАБВГДЕЖ"));
    startViews();
    EXPECT_EQ(&focused(), &widget(form().Text2)) << "the window starts at its top, not on Выход";
    // The eight controls shown at start-up, once round: down the window, then back to the top.
    std::vector<int> tops;
    for (int step = 0; step < 9; ++step) {
        tops.push_back(focused().mapToGlobal(QPoint()).y());
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(tops.front(), tops.back());
    int upwards = 0;
    for (std::size_t n = 1; n < tops.size(); ++n)
        upwards += tops[n] < tops[n - 1];
    EXPECT_EQ(upwards, 1);

    host.names.push_back(u"Иванов");
    pressWithSpace(form().Command6);
    pressWithSpace(form().Option3);
    pressWithSpace(form().Command8);
    EXPECT_EQ(&focused(), &widget(form().Grid1)) << "the board takes the keys at once";
    const QString typed[] = {QStringLiteral("ом"), QStringLiteral("вол"), QStringLiteral("ток")};
    for (const QString& letters : typed) {
        pressWithSpace(form().Command2);
        ASSERT_EQ(&focused(), &widget(form().Grid1));
        type(letters);
        press(Qt::Key_Return, QStringLiteral("\r"));
    }
    EXPECT_EQ(std::pair(form().Points(1), form().Mistakes(1)), std::pair(2, 1));
    pressWithSpace(form().Command5);
    settle();
    WindowView& grade = viewOf(form().Form5);
    ASSERT_TRUE(grade.isVisible()) << "2 of 3: grade 3";
    EXPECT_TRUE(
        of(grade)->text(QAccessible::Description).startsWith(QStringLiteral("УДОВЛЕТВОРИТЕЛЬНО!")));
    QTest::keyClick(&grade, Qt::Key_Escape);
    EXPECT_FALSE(grade.isVisible());
    EXPECT_EQ(host.endRequests, 0);
}

} // namespace
} // namespace vatro::testing
