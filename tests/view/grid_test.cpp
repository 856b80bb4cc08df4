// Real presses and keys on the real grids reach the game's handlers with the right codes;
// a game in progress and its result, as the player sees them.
#include "viewtest.h"

#include "view/fontmap.h"

#include <QFontMetrics>
#include <QScrollBar>

namespace vatro::testing {
namespace {

class Grids : public ViewTest {
protected:
    // "Новый игрок", "User1", a game and "Пуск", by real clicks: question 1 is posed.
    void startGame(CommandButton Form1::*game) {
        startViews();
        registerByClick(u"Иванов");
        click(form().Option1);
        click(form().*game);
        click(form().Command2);
        ASSERT_EQ(form().QuestionNo, 1);
        for (FlexGrid* grid : {&form().Grid1, &form().Grid2}) {
            grid->MouseDown = [this, f = grid->MouseDown](int b, int s, double x, double y) {
                seen = {b, s};
                f(b, s, x, y);
            };
            grid->KeyDown = [this, f = grid->KeyDown](int code, int s) {
                seen = {code, s};
                f(code, s);
            };
        }
    }
    std::pair<int, int> seen; // the button or key code and the shift that reached a handler

    // The client area without its picture, and where its printed line n (0 first) lies.
    QImage printedText() {
        const std::string picture = std::exchange(form().Picture, std::string());
        views->sync();
        settle();
        const QImage text = mainView().clientArea().grab().toImage();
        form().Picture = picture;
        return text;
    }
    QRect line(int n) {
        const int height = QFontMetrics(qtFont(form().font), &mainView()).lineSpacing();
        return QRect(0, n * height, mainView().clientArea().width(), height);
    }
};

TEST_F(Grids, PressesAndKeysOnTheBoardThenTheResult) {
    startGame(&Form1::Command8);
    // Row 1 of the board reads О М В О Л Ь Т Т О К.
    pressCell(form().Grid1, 1, 2);
    EXPECT_EQ(seen, std::pair(1, 0));
    EXPECT_EQ(form().Answer, u"М");
    pressCell(form().Grid1, 3, 7, Qt::RightButton);
    EXPECT_EQ(seen, std::pair(2, 0));
    GridView& board = gridView(form().Grid1);
    const QPoint first = board.cellRect(1, 1).center();
    mouse(QTest::MousePress, *board.viewport(), first);
    mouse(QTest::MousePress, *board.viewport(), first, Qt::RightButton);
    EXPECT_EQ(seen, std::pair(3, 0)) << "two buttons at once: their sum";
    mouse(QTest::MouseRelease, *board.viewport(), first, Qt::RightButton);
    mouse(QTest::MouseRelease, *board.viewport(), first);
    pressCell(form().Grid1, 1, 2);
    pressCell(form().Grid1, 5, 5, Qt::MiddleButton);
    EXPECT_EQ(seen, std::pair(4, 0));
    EXPECT_EQ(printed().back(), u"ВЕРНО");
    picture(mainView(), "game.png");
    const QImage game = printedText();
    EXPECT_GT(pixelsOf(game, Qt::black, line(0)), 100) << "the question";
    EXPECT_GT(pixelsOf(game, Qt::red, line(1)), 20) << "the red word";
    EXPECT_GT(pixelsOf(game, Qt::black, line(2)), 60) << "the verdict";

    click(form().Command2);
    pressCell(form().Grid1, 1, 3);
    key(form().Grid1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(seen, std::pair(13, 1));
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, std::pair<int, int>> keys[] = {
        {Qt::Key_Backspace, {}, {8, 0}},
        {Qt::Key_Enter, Qt::KeypadModifier, {13, 0}},
        {Qt::Key_Space, {}, {32, 0}},
        {Qt::Key_Escape, {}, {27, 0}},
        {Qt::Key_Down, Qt::ControlModifier, {40, 2}},
        {Qt::Key_Right, Qt::AltModifier, {39, 4}}};
    for (const auto& [pressed, modifiers, code] : keys) {
        key(form().Grid1, pressed, modifiers);
        EXPECT_EQ(seen, code) << pressed;
    }
    EXPECT_EQ(host.endRequests, 1);
    // The arrow keys moved the highlight from row 1, column 3 to row 2, column 4.
    EXPECT_TRUE(screenIsCurrent(board));
    const QImage shot = board.viewport()->grab().toImage();
    const QColor highlight = board.palette().color(QPalette::Highlight);
    EXPECT_GT(pixelsOf(shot, highlight, board.cellRect(2, 4)), 100);
    EXPECT_EQ(pixelsOf(shot, highlight, board.cellRect(1, 3)), 0);
    // Below the last row and on the headers there is no data cell.
    mouse(QTest::MouseClick, *board.viewport(), board.cellRect(17, 20).bottomLeft() + QPoint(2, 4));
    EXPECT_EQ(form().Grid1.MouseRow, -1);
    pressCell(form().Grid1, 0, 3);
    EXPECT_EQ(std::pair(form().Grid1.MouseRow, form().Grid1.MouseCol), std::pair(0, 3));

    click(form().Command5);
    picture(mainView(), "result.png");
    EXPECT_TRUE(viewOf(form().Form6).isVisible()) << "1 of 3: grade 2";
    // The mistakes start at the print zone after the points: zones are 14 average widths.
    const QImage text = printedText();
    const int zone = 14 * QFontMetrics(qtFont(form().font), &mainView()).averageCharWidth();
    auto next = [&](int x, QColor color, bool inked) {
        while (x < text.width() &&
               (pixelsOf(text, color, QRect(x, line(1).y(), 1, line(1).height())) > 0) != inked)
            ++x;
        return x;
    };
    const int points = next(0, Qt::red, true);
    const int mistakes = next(next(points, Qt::red, false), Qt::black, true);
    EXPECT_GE(mistakes, (points / zone + 1) * zone);
    EXPECT_LE(mistakes, (points / zone + 1) * zone + 3);
    // "Обучалка" refills the picked cells away from the highlight: they are drawn again too.
    click(form().Command10);
    EXPECT_TRUE(form().Grid1.TextMatrix(1, 2) == u"М" && screenIsCurrent(board));
}

TEST_F(Grids, TheWordListScrollsAndPressesHitTheRowsShown) {
    std::vector<std::u16string> answers;
    for (char16_t n = 1; n <= 45; ++n)
        answers.push_back(u"СЛОВО" + std::u16string(1, char16_t(u'А' + n)));
    quiz.writeAnswers(answers);
    quiz.writeQuestions(answers);
    startGame(&Form1::Command9);
    GridView& list = gridView(form().Grid2);
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
    const int top = list.topRow();
    const std::u16string word = form().Grid2.TextMatrix(top, 1);
    ASSERT_TRUE(top > 20 && !word.empty()) << top;
    pressCell(form().Grid2, top, 1);
    EXPECT_EQ(form().Answer, word);
    key(form().Grid2, Qt::Key_Space);
    EXPECT_EQ(seen, std::pair(32, 0));

    // Moving down with the keys brings the current row into sight.
    list.verticalScrollBar()->setValue(0);
    pressCell(form().Grid2, 1, 1);
    for (int step = 0; step < 25; ++step)
        key(form().Grid2, Qt::Key_Down);
    EXPECT_EQ(form().Grid2.Row, 26);
    EXPECT_FALSE(list.cellRect(26, 1).isEmpty());
    EXPECT_LE(list.cellRect(26, 1).bottom(), list.viewport()->height());
}

} // namespace
} // namespace vatro::testing
