// Judging the composed word, counting it, and redrawing the question and the word.
#include "form1.h"

namespace vatro {

void Form1::ShowQuestion() {
    surface.Cls();
    if (QuestionNo >= 1)
        surface.Print({PrintItem::number(QuestionNo), Questions(QuestionNo)});
    surface.setForeColor(colors::Red);
    surface.Print({Answer});
    surface.setForeColor(colors::Black);
}

void Form1::ShowClearHint() {
    surface.Cls();
    surface.Print({ClearHintText});
}

void Form1::JudgeAnswer() {
    // A word left standing with no question on screen (after "Сброс") has nothing to be
    // judged against.
    if (!Questions.contains(QuestionNo))
        return;
    if (!AnswerPending)
        ShowClearHint();
    // Each judging of an open question gives one verdict.
    m_verdictUnwritten = AnswerPending;
    CheckRightAnswer();
    CheckWrongAnswer();
}

void Form1::CheckRightAnswer() {
    if (Answer != Answers(QuestionNo) || !AnswerPending)
        return;
    surface.setFontBold(true);
    surface.Print({u"ВЕРНО"});
    surface.setFontBold(false);
    // Nobody registered yet: the verdict shows, but there is no one to count it for.
    if (Points.contains(PlayerNo))
        Points(PlayerNo) = Points(PlayerNo) + 1;
    AnswerPending = false;
    if (Grid2.Visible) {
        // The word is struck from the answers; a row with no word has nothing to strike.
        if (rowShowsWord(Grid2.Row))
            Answers(WordOrder(Grid2.Row)).clear();
    }
}

void Form1::CheckWrongAnswer() {
    if (Answer == Answers(QuestionNo) || !AnswerPending)
        return;
    surface.setFontBold(true);
    surface.Print({u"ОШИБКА"});
    surface.setFontBold(false);
    if (Mistakes.contains(PlayerNo))
        Mistakes(PlayerNo) = Mistakes(PlayerNo) + 1;
    AnswerPending = false;
}

} // namespace vatro
