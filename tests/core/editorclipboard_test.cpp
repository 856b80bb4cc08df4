// Copy and paste with spreadsheets: tab-separated lines as LibreOffice Calc and Excel put
// them on the clipboard, pasted as pairs in one undo step; and the answers' capitals.
#include "editor/quizdocument.h"
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

using editor::QuizDocument;
using editor::readTableText;
using editor::Side;
using editor::TableRow;

class EditorClipboard : public ::testing::Test {
protected:
    EditorClipboard() {
        quiz.writeQuiz(lettersOf(u"ОМВОЛЬТТОК"), {u"ОМ", u"ВОЛЬТ", u"ТОК"},
                       {u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?"});
        EXPECT_TRUE(doc.open(quiz.path()).ok);
    }
    QuizFolder quiz;
    QuizDocument doc;
};

// Calc quotes a cell with a line break and doubles its quotes; Excel ends lines with CR LF.
TEST_F(EditorClipboard, ASpreadsheetRangeBecomesPairsInOneUndoStep) {
    const std::u16string calc = u"Единица силы тока?\tАМПЕР\r\n"
                                u"\"Закон Ома:\nI = U/R. Что такое R?\"\tСОПРОТИВЛЕНИЕ\n"
                                u"\"Прибор «\"\"В\"\"» меряет…\"\tНАПРЯЖЕНИЕ\n"
                                u"\"Закон\" Ома?\tОМ\n";
    const std::vector<TableRow> rows = readTableText(calc);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], u"Закон Ома: I = U/R. Что такое R?");
    EXPECT_EQ(rows[2][0], u"Прибор «\"В\"» меряет…");
    EXPECT_EQ(rows[3][0], u"\"Закон\" Ома?") << "quotes no spreadsheet added stay";
    EXPECT_EQ(readTableText(editor::tableText(rows)), rows);

    const editor::PasteOutcome pasted = doc.pastePairs(1, Side::Answer, rows);
    EXPECT_EQ(pasted.message, u"Вставлено: 4 строки.");
    EXPECT_EQ(doc.content().questions,
              (std::vector<std::u16string>{u"Единица сопротивления?", u"Единица силы тока?",
                                           rows[1][0], rows[2][0], rows[3][0]}));
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ОМ", u"АМПЕР",
                                                                  u"СОПРОТИВЛЕНИЕ",
                                                                  u"НАПРЯЖЕНИЕ", u"ОМ"}));
    doc.undo();
    EXPECT_EQ(doc.pairCount(), 3u);
    EXPECT_FALSE(doc.isModified());

    // One column pasted into the answers fills only the answers.
    EXPECT_TRUE(doc.pastePairs(0, Side::Answer, readTableText(u"ом\nвольт\n")).changed);
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"вольт", u"ТОК"}));
    EXPECT_EQ(doc.content().questions[0], u"Единица сопротивления?");
}

TEST_F(EditorClipboard, RowsBeyondFortyNinePairsAreCountedNotPasted) {
    std::u16string many;
    for (int n = 0; n < 60; ++n)
        many += u"Вопрос?\tОТВЕТ\n";
    const editor::PasteOutcome pasted = doc.pastePairs(1, Side::Question, readTableText(many));
    EXPECT_EQ(pasted.pasted, 48u);
    EXPECT_EQ(doc.pairCount(), 49u);
    EXPECT_EQ(pasted.message,
              u"Вставлено: 48 строк. Не поместились 12 строк: в игре не больше 49 пар.");
    EXPECT_EQ(doc.pastePairs(49, Side::Question, readTableText(u"ещё\n")).message,
              u"Ничего не вставлено: в игре не больше 49 пар.");
}

// The answers as written, with a fix of their own: chosen answers or all, one undo step.
TEST_F(EditorClipboard, AnswersInCapitalsIsOneUndoableStep) {
    doc.pastePairs(0, Side::Answer, readTableText(u"ом\nвольт\nток\n"));
    EXPECT_EQ(doc.capitalizeAnswers({1}), 1u);
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"ВОЛЬТ", u"ток"}));
    EXPECT_EQ(doc.capitalizeAnswers(), 2u);
    EXPECT_EQ(doc.undoText(), u"Отменить: ответы — заглавными буквами");
    doc.undo();
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"ВОЛЬТ", u"ток"}));
    EXPECT_EQ(doc.capitalizeAnswers({7}), 0u);
}

} // namespace
} // namespace vatro::testing
