// The game modes "Игра1", "Игра2", "Обучалка", and "Пуск", which poses the questions.
#include "form1.h"

#include <cmath>

namespace vatro {

namespace {
constexpr Color QuestionGreen = Color::rgb(35, 122, 8);
} // namespace

bool Form1::levelChosen() const {
    return Option1.Value() || Option2.Value() || Option3.Value();
}

void Form1::Command9_Click() {
    if (!levelChosen()) {
        surface.Print({LevelNeededText});
        return;
    }
    if (!prepareOrReport(AnswersFile))
        return;

    Command6.Enabled = false;
    Grid1.Visible = false;
    Grid2.Visible = false;
    Option1.Visible = false;
    Option2.Visible = false;
    Option3.Visible = false;

    restartLevelClock();
    ClearAnswer();

    OrderNo = 0;
    i = 0;
    LetterRows = 0;
    QuestionNo = 0;
    Item.clear();
    QuestionCount = 0;

    LoadAnswers();

    m_host.randomize(m_host.secondsSinceMidnight());
    ShuffleWordOrder();
    for (int r = 1; r <= QuestionCount; ++r) {
        Grid2.Row = r;
        Grid2.Col = 1;
        Grid2.setText(Answers(WordOrder(r)));
    }

    Command9.Enabled = false;
    Command8.Enabled = true;
    Grid1.Visible = false;
    Grid2.Visible = true;

    MarkGameStart();
    // The player goes on in the grid just shown; Space, the confirm key, never lands on a
    // button such as "Выход" there.
    requestFocus(Grid2);
}

// Draws without repetition: a number already placed is drawn again.
void Form1::ShuffleWordOrder() {
    for (i = 1; i <= QuestionCount; ++i) {
        do {
            k = static_cast<int>(std::floor(QuestionCount * m_host.random())) + 1;
            // A generator that ever returned 1.0 must not put a number out of range.
            if (k > QuestionCount)
                k = QuestionCount;
            Found = false;
            for (j = 1; j < i; ++j) {
                if (WordOrder(j) == k) {
                    Found = true;
                    break;
                }
            }
        } while (Found);
        WordOrder(i) = k;
    }
}

void Form1::Command8_Click() {
    if (!levelChosen()) {
        surface.Print({LevelNeededText});
        return;
    }
    if (!prepareOrReport(LettersFile))
        return;

    Option1.Visible = false;
    Option2.Visible = false;
    Option3.Visible = false;

    restartLevelClock();
    ClearAnswer();

    OrderNo = 0;
    QuestionNo = 0;
    i = 0;
    LetterRows = 0;
    Item.clear();

    Command6.Enabled = false;
    Grid1.Visible = false;
    Grid2.Visible = false;

    LoadLetters();

    Grid1.Visible = true;
    Grid2.Visible = false;
    Command8.Enabled = false;
    Command9.Enabled = true;

    MarkGameStart();
    requestFocus(Grid1);
}

void Form1::Command10_Click() {
    if (!prepareOrReport(LettersFile | AnswersFile))
        return;

    Command6.Enabled = true;
    Option1.Visible = false;
    Option2.Visible = false;
    Option3.Visible = false;

    restartLevelClock();
    ClearAnswer();

    OrderNo = 0;
    i = 0;
    LetterRows = 0;
    QuestionNo = 0;
    Item.clear();

    Grid1.Visible = false;
    Grid2.Visible = false;

    LoadLetters();
    LoadAnswers();

    Command9.Enabled = true;
    Command8.Enabled = true;
    Grid1.Visible = true;
    Grid2.Visible = true;

    MarkGameStart();
    requestFocus(Grid1);
}

void Form1::Command2_Click() {
    Command6.Enabled = false;
    ClearAnswer();
    const bool gameRunning = Grid1.Visible || Grid2.Visible;
    surface.setForeColor(QuestionGreen);
    if (gameRunning && QuestionNo < QuestionCount) {
        QuestionNo = QuestionNo + 1;
        surface.Print({PrintItem::number(QuestionNo), Questions(QuestionNo)});
        // The answer is composed in the grid.
        requestFocus(Grid1.Visible ? Grid1 : Grid2);
    } else {
        surface.Print({u"ВСЁ"});
        surface.Print({u"Выбери игру"});
    }
    surface.setForeColor(colors::Black);
    AnswerPending = true;
    UndoAllowed = true;
}

} // namespace vatro
