// Composing the answer: letters from the board, words from the list, take-backs, submits.
#include "form1.h"

#include "quiz/characters.h"
#include "ui/controls/keycodes.h"

namespace vatro {

void Form1::Grid1_MouseDown(int Button, int, double, double) {
    // A press on a header cell or beside the cells picks nothing; a full pick stack
    // refuses further letters, so every picked letter can still be put back.
    if (QuestionNo >= 1 && Button == mouse::Left &&
        Grid1.isDataCell(Grid1.MouseRow, Grid1.MouseCol) && PickDepth < PickRow.last) {
        const int r = Grid1.Row;
        const int c = Grid1.Col;
        Answer = Answer + Letters(r, c);
        PickDepth = PickDepth + 1;
        PickRow(PickDepth) = r;
        PickCol(PickDepth) = c;
        Letters(r, c).clear();
        Grid1.setText(Letters(r, c));
    }
    // With no letter on the stack (the word came from the list) there is nothing to put back.
    if (Button == mouse::Right && !Answer.empty() && UndoAllowed && PickDepth >= 1) {
        Grid1.Row = PickRow(PickDepth);
        Grid1.Col = PickCol(PickDepth);
        // The last character whole: a letter beyond the basic plane goes back as it came.
        const std::size_t last = lastCharacterSize(Answer);
        Item = Answer.substr(Answer.size() - last);
        Letters(Grid1.Row, Grid1.Col) = Item;
        Grid1.setText(Letters(Grid1.Row, Grid1.Col));
        Answer.resize(Answer.size() - last);
        PickDepth = PickDepth - 1;
    }
    ShowQuestion();
    if (Button == mouse::Middle && !Answer.empty()) {
        UndoAllowed = false;
        JudgeAnswer();
    }
    if (QuestionNo == 0 && Answer.empty())
        ShowClearHint();
    RecordTimeUsed();
}

bool Form1::rowShowsWord(int row) const {
    return row >= 1 && row <= QuestionCount && WordOrder.contains(row) &&
           Answers.contains(WordOrder(row));
}

void Form1::Grid2_MouseDown(int Button, int, double, double) {
    // Only a row of the loaded list holds a word to take.
    if (QuestionNo >= 1 && Button == mouse::Left &&
        Grid2.isDataCell(Grid2.MouseRow, Grid2.MouseCol) && rowShowsWord(Grid2.Row)) {
        const int r = Grid2.Row;
        Answer = Answers(WordOrder(r));
        Item = Answers(WordOrder(r));
        Grid2.setText(u"");
    }
    if (Button == mouse::Right && !Answer.empty() && rowShowsWord(Grid2.Row)) {
        const int r = Grid2.Row;
        Answers(WordOrder(r)) = Item;
        Grid2.setText(Answers(WordOrder(r)));
        Answer.clear();
    }
    ShowQuestion();
    if (Button == mouse::Middle && !Answer.empty())
        JudgeAnswer();
    if (QuestionNo == 0 && Answer.empty())
        ShowClearHint();
    RecordTimeUsed();
}

void Form1::Grid1_KeyDown(int KeyCode, int) {
    if (KeyCode == key::Back && !Answer.empty()) {
        Answer.resize(Answer.size() - lastCharacterSize(Answer));
        ShowQuestion();
    }
    if ((KeyCode == key::Return || KeyCode == key::Space) && !Answer.empty())
        JudgeAnswer();
    if (QuestionNo == 0 && Answer.empty())
        ShowClearHint();
    RecordTimeUsed();
    if (KeyCode == key::Escape)
        m_host.endProgram();
}

void Form1::Grid2_KeyDown(int KeyCode, int) {
    if (KeyCode == key::Back && !Answer.empty()) {
        Answer.clear();
        ShowQuestion();
    }
    if ((KeyCode == key::Return || KeyCode == key::Space) && !Answer.empty())
        JudgeAnswer();
    if (QuestionNo == 0 && Answer.empty())
        ShowClearHint();
    RecordTimeUsed();
    if (KeyCode == key::Escape)
        m_host.endProgram();
}

void Form1::Command3_Click() {
    ClearAnswer();
}

} // namespace vatro
