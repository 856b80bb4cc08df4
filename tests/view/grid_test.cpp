#include "viewfixture.h"

#include <QScrollBar>
#include <QTest>

namespace vatro::testing {
namespace {

class GridPresses : public ViewTest {
protected:
    // "Новый игрок", "User1", a game and "Пуск", all by real clicks: question 1 is posed.
    void startGame(CommandButton Form1::*game) {
        startViews();
        registerByClick(u"Иванов");
        click(form().Option1);
        click(form().*game);
        click(form().Command2);
        ASSERT_EQ(form().QuestionNo, 1);
    }
    void startLetterGame() { startGame(&Form1::Command8); }
    void startWordGame() { startGame(&Form1::Command9); }
    // Row 1 of the small quiz's board reads О М В О Л Ь Т Т О К ...
    void pickOM() {
        pressCell(form().Grid1, 1, 1);
        pressCell(form().Grid1, 1, 2);
    }
};

TEST_F(GridPresses, LeftPressPicksTheLetterAndRightPressPutsItBack) {
    startLetterGame();
    pressCell(form().Grid1, 1, 2);
    EXPECT_EQ(form().Answer, u"М");
    EXPECT_EQ(form().Grid1.TextMatrix(1, 2), u"");
    EXPECT_EQ(printed().back(), u"М");
    // A right press anywhere on the board takes the last letter back to its cell.
    pressCell(form().Grid1, 3, 7, Qt::RightButton);
    EXPECT_EQ(form().Answer, u"");
    EXPECT_EQ(form().Grid1.TextMatrix(1, 2), u"М");
}

TEST_F(GridPresses, MiddlePressEnterAndKeypadEnterSubmitTheWord) {
    startLetterGame();
    pickOM();
    pressCell(form().Grid1, 5, 5, Qt::MiddleButton);
    EXPECT_EQ(printed().back(), u"ВЕРНО");
    EXPECT_EQ(form().Points(1), 1);

    click(form().Command2);
    pressCell(form().Grid1, 1, 3);
    key(form().Grid1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    EXPECT_EQ(form().Mistakes(1), 1);

    click(form().Command2);
    pressCell(form().Grid1, 1, 7);
    key(form().Grid1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(printed().back(), u"ОШИБКА");
    EXPECT_EQ(form().Mistakes(1), 2);
}

TEST_F(GridPresses, BackspaceDropsTheLastLetterOfTheWord) {
    startLetterGame();
    pickOM();
    key(form().Grid1, Qt::Key_Backspace);
    EXPECT_EQ(form().Answer, u"О");
    EXPECT_EQ(printed().back(), u"О");
}

TEST_F(GridPresses, ArrowKeysMoveTheHighlightedCell) {
    startLetterGame();
    pressCell(form().Grid1, 2, 2, Qt::RightButton); // focus, no pick
    pressCell(form().Grid1, 1, 1);
    key(form().Grid1, Qt::Key_Right);
    key(form().Grid1, Qt::Key_Down);
    EXPECT_EQ(form().Grid1.Row, 2);
    EXPECT_EQ(form().Grid1.Col, 2);
    GridView& board = gridView(form().Grid1);
    settle();
    const QImage shot = board.viewport()->grab().toImage();
    const QColor highlight = board.palette().color(QPalette::Highlight);
    EXPECT_GT(pixelsOf(shot, highlight, board.cellRect(2, 2)), 100);
    EXPECT_EQ(pixelsOf(shot, highlight, board.cellRect(1, 1)), 0);
}

TEST_F(GridPresses, PressesOnHeadersOrBesideTheCellsPickNothing) {
    startLetterGame();
    GridView& board = gridView(form().Grid1);
    const QRect lastCell = board.cellRect(17, 20);
    // Below the last row lies the grid's silver background.
    QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, lastCell.bottomLeft() + QPoint(0, 4));
    EXPECT_EQ(form().Grid1.MouseRow, -1);
    QTest::mouseClick(board.viewport(), Qt::LeftButton, {}, board.cellRect(0, 3).center());
    EXPECT_EQ(form().Grid1.MouseRow, 0);
    EXPECT_EQ(form().Grid1.MouseCol, 3);
    EXPECT_EQ(form().Answer, u"");
}

TEST_F(GridPresses, EscapeOnAGridEndsTheProgram) {
    startLetterGame();
    key(form().Grid1, Qt::Key_Escape);
    EXPECT_EQ(host.endRequests, 1);
}

TEST_F(GridPresses, APressOnTheWordListTakesTheWholeWord) {
    startWordGame();
    const std::u16string word = form().Grid2.TextMatrix(2, 1);
    ASSERT_FALSE(word.empty());
    pressCell(form().Grid2, 2, 1);
    EXPECT_EQ(form().Answer, word);
    EXPECT_EQ(form().Grid2.TextMatrix(2, 1), u"");
    key(form().Grid2, Qt::Key_Space);
    EXPECT_TRUE(printed().back() == u"ВЕРНО" || printed().back() == u"ОШИБКА");
}

TEST_F(GridPresses, TheWordListScrollsAndPressesHitTheRowsShown) {
    std::vector<std::u16string> answers;
    std::vector<std::u16string> questions;
    for (int n = 1; n <= 30; ++n) {
        answers.push_back(u"СЛОВО" + std::u16string(1, char16_t(u'А' + n)));
        questions.push_back(u"Вопрос " + std::u16string(1, char16_t(u'А' + n)));
    }
    quiz.writeAnswers(answers);
    quiz.writeQuestions(questions);
    startWordGame();
    GridView& list = gridView(form().Grid2);
    ASSERT_GT(list.verticalScrollBar()->maximum(), 0);
    list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
    const int top = list.topRow();
    ASSERT_GT(top, 20);
    const std::u16string word = form().Grid2.TextMatrix(top, 1);
    pressCell(form().Grid2, top, 1);
    EXPECT_EQ(form().Grid2.Row, top);
    EXPECT_EQ(form().Answer, word);

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
