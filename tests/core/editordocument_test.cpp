// The editor's document: pair, cell, help and clipboard edits, each one undoable command,
// and the unsaved mark that follows the undo stack's clean index.
#include "editor/answerwarnings.h"
#include "editor/quizdocument.h"
#include "support/gamefixture.h"

namespace vatro::testing {
namespace {

using editor::QuizDocument;
using editor::QuizPart;
using editor::Side;

std::vector<std::u16string> column(const QuizDocument& doc, Side side) {
    std::vector<std::u16string> texts;
    for (std::size_t row = 0; row < doc.pairCount(); ++row)
        texts.push_back(doc.content().has(row, side) ? doc.content().text(row, side) : u"—");
    return texts;
}

class EditorDocument : public ::testing::Test {
protected:
    EditorDocument() {
        quiz.writeQuiz(lettersOf(u"ОМВОЛЬТТОК"), {u"ОМ", u"ВОЛЬТ", u"ТОК"},
                       {u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?"});
        EXPECT_TRUE(doc.open(quiz.path()).ok);
        doc.changed = [this](QuizPart part) { touched.push_back(part); };
    }
    QuizFolder quiz;
    QuizDocument doc;
    std::vector<QuizPart> touched;
};

TEST_F(EditorDocument, EachEditIsOneUndoStepAndUndoingToTheSaveClearsTheUnsavedMark) {
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.setText(0, Side::Answer, u"ОМ")); // the same text: no command
    EXPECT_FALSE(doc.canUndo());
    EXPECT_TRUE(doc.setText(0, Side::Answer, u"АМПЕР"));
    EXPECT_TRUE(doc.insertPair(1));
    EXPECT_TRUE(doc.setCell(editor::cellIndex(0, 0), u"Я"));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.undoText(), u"Отменить: изменение клетки табло 1:1");
    EXPECT_EQ(column(doc, Side::Answer),
              (std::vector<std::u16string>{u"АМПЕР", u"", u"ВОЛЬТ", u"ТОК"}));

    doc.undo();
    EXPECT_EQ(touched.back(), QuizPart::Board); // the view refreshes the board
    doc.undo();
    EXPECT_EQ(doc.redoText(), u"Вернуть: вставка пары 2");
    EXPECT_EQ(doc.content().board[0], u"О");
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(column(doc, Side::Answer), (std::vector<std::u16string>{u"ОМ", u"ВОЛЬТ", u"ТОК"}));
    doc.redo();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.content().answers[0], u"АМПЕР");
    // A new edit drops what was undone.
    EXPECT_TRUE(doc.setText(2, Side::Question, u"Ток?"));
    EXPECT_FALSE(doc.canRedo());
}

TEST_F(EditorDocument, TheSavedStateDroppedFromTheStackLeavesTheDocumentUnsavedForGood) {
    doc.setText(0, Side::Answer, u"А");
    ASSERT_TRUE(doc.save().ok());
    doc.undo(); // back before the save
    EXPECT_TRUE(doc.isModified());
    doc.setText(0, Side::Answer, u"Б");
    doc.undo();
    EXPECT_TRUE(doc.isModified()) << "the saved text А is no longer reachable";
}

TEST_F(EditorDocument, PairsStopAtFortyNineAndMoveAndDeleteWithTheirPartners) {
    while (doc.appendPair()) {
    }
    EXPECT_EQ(doc.pairCount(), 49u);
    EXPECT_FALSE(doc.canAddPair());
    EXPECT_FALSE(doc.insertPair(0));
    EXPECT_TRUE(doc.deletePairs(3, 46));
    EXPECT_FALSE(doc.deletePairs(3));
    EXPECT_TRUE(doc.movePairDown(0));
    EXPECT_FALSE(doc.movePairDown(2));
    EXPECT_FALSE(doc.movePairUp(0));
    EXPECT_EQ(column(doc, Side::Answer), (std::vector<std::u16string>{u"ВОЛЬТ", u"ОМ", u"ТОК"}));
    EXPECT_EQ(doc.content().questions[1], u"Единица сопротивления?");
    EXPECT_TRUE(doc.deletePairs(0, 2));
    EXPECT_EQ(column(doc, Side::Question), (std::vector<std::u16string>{u"Что течёт?"}));
}

// A folder whose question file is one longer: the extra question keeps its row, and a pair
// row stands for both files once the teacher moves it.
TEST_F(EditorDocument, AQuestionWithoutAnAnswerKeepsItsRowUntilTheTeacherFillsIt) {
    quiz.writeQuestions({u"В1", u"В2", u"В3", u"В4"});
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    EXPECT_EQ(doc.pairCount(), 4u);
    EXPECT_FALSE(doc.content().has(3, Side::Answer));
    EXPECT_TRUE(doc.movePairUp(3));
    EXPECT_EQ(column(doc, Side::Answer),
              (std::vector<std::u16string>{u"ОМ", u"ВОЛЬТ", u"", u"ТОК"}));
    EXPECT_EQ(column(doc, Side::Question),
              (std::vector<std::u16string>{u"В1", u"В2", u"В4", u"В3"}));
    doc.undo();
    EXPECT_TRUE(doc.setText(3, Side::Answer, u"ВАТТ"));
    EXPECT_EQ(doc.content().answers.size(), 4u);
}

TEST_F(EditorDocument, TypingInTheHelpIsOneUndoStepUntilASave) {
    doc.setHelpText(u"Строка");
    doc.setHelpText(u"Строка 1\r\nСтрока 2\n\n");
    EXPECT_EQ(doc.content().help, (std::vector<std::u16string>{u"Строка 1", u"Строка 2"}));
    EXPECT_EQ(doc.helpText(), u"Строка 1\nСтрока 2");
    ASSERT_TRUE(doc.save().ok());
    doc.setHelpText(u"Строка 1\n\nСтрока 3");
    EXPECT_EQ(doc.content().help, (std::vector<std::u16string>{u"Строка 1", u"", u"Строка 3"}));
    doc.undo();
    EXPECT_FALSE(doc.isModified());
    doc.undo();
    EXPECT_TRUE(doc.content().help.empty());
    EXPECT_FALSE(doc.canUndo());
}

// Copy and paste with spreadsheets: tab-separated lines as LibreOffice Calc and Excel put
// them on the clipboard, pasted as pairs in one undo step; and the answers' capitals.
// Calc quotes a cell with a line break and doubles its quotes; Excel ends lines with CR LF.
TEST_F(EditorDocument, ASpreadsheetRangeBecomesPairsInOneUndoStep) {
    const std::u16string calc = u"Единица силы тока?\tАМПЕР\r\n"
                                u"\"Закон Ома:\nI = U/R. Что такое R?\"\tСОПРОТИВЛЕНИЕ\n"
                                u"\"Прибор «\"\"В\"\"» меряет…\"\tНАПРЯЖЕНИЕ\n"
                                u"\"Закон\" Ома?\tОМ\n";
    const std::vector<editor::TableRow> rows = editor::readTableText(calc);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][0], u"Закон Ома: I = U/R. Что такое R?");
    EXPECT_EQ(rows[2][0], u"Прибор «\"В\"» меряет…");
    EXPECT_EQ(rows[3][0], u"\"Закон\" Ома?") << "quotes no spreadsheet added stay";
    EXPECT_EQ(editor::readTableText(editor::tableText(rows)), rows);

    const editor::PasteOutcome pasted = doc.pastePairs(1, Side::Answer, rows);
    EXPECT_EQ(pasted.message, u"Вставлено: 4 строки.");
    EXPECT_EQ(doc.content().questions,
              (std::vector<std::u16string>{u"Единица сопротивления?", u"Единица силы тока?",
                                           rows[1][0], rows[2][0], rows[3][0]}));
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ОМ", u"АМПЕР", u"СОПРОТИВЛЕНИЕ",
                                                                  u"НАПРЯЖЕНИЕ", u"ОМ"}));
    doc.undo();
    EXPECT_EQ(doc.pairCount(), 3u);
    EXPECT_FALSE(doc.isModified());

    // One column pasted into the answers fills only the answers.
    EXPECT_TRUE(doc.pastePairs(0, Side::Answer, editor::readTableText(u"ом\nвольт\n")).changed);
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"вольт", u"ТОК"}));
    EXPECT_EQ(doc.content().questions[0], u"Единица сопротивления?");
}

TEST_F(EditorDocument, RowsBeyondFortyNinePairsAreCountedNotPasted) {
    std::u16string many;
    for (int n = 0; n < 60; ++n)
        many += u"Вопрос?\tОТВЕТ\n";
    const editor::PasteOutcome pasted =
        doc.pastePairs(1, Side::Question, editor::readTableText(many));
    EXPECT_EQ(pasted.pasted, 48u);
    EXPECT_EQ(doc.pairCount(), 49u);
    EXPECT_EQ(pasted.message,
              u"Вставлено: 48 строк. Не поместились 12 строк: в игре не больше 49 пар.");
    EXPECT_EQ(doc.pastePairs(49, Side::Question, editor::readTableText(u"ещё\n")).message,
              u"Ничего не вставлено: в игре не больше 49 пар.");
}

// The answers as written, with a fix of their own: chosen answers or all, one undo step.
TEST_F(EditorDocument, AnswersInCapitalsIsOneUndoableStep) {
    doc.pastePairs(0, Side::Answer, editor::readTableText(u"ом\nвольт\nток\n"));
    EXPECT_EQ(doc.capitalizeAnswers({1}), 1u);
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"ВОЛЬТ", u"ток"}));
    EXPECT_EQ(doc.capitalizeAnswers(), 2u);
    EXPECT_EQ(doc.undoText(), u"Отменить: ответы — заглавными буквами");
    doc.undo();
    EXPECT_EQ(doc.content().answers, (std::vector<std::u16string>{u"ом", u"ВОЛЬТ", u"ток"}));
    EXPECT_EQ(doc.capitalizeAnswers({7}), 0u);
}

TEST(AnswerWarnings, WarnOfWhatThePupilCannotSpellAndChangeNothing) {
    using Kind = editor::AnswerWarning::Kind;
    const auto kinds = [](std::u16string_view answer) {
        std::vector<Kind> found;
        for (const auto& warning : editor::answerWarnings(answer))
            found.push_back(warning.kind);
        return found;
    };
    EXPECT_TRUE(kinds(u"ВОЛЬТ").empty());
    EXPECT_EQ(kinds(u"Вольт"), std::vector<Kind>{Kind::LowerCase});
    EXPECT_EQ(kinds(u"ЗАКОН ОМА"), std::vector<Kind>{Kind::Blanks});
    EXPECT_EQ(kinds(u"BОЛЬТ"), std::vector<Kind>{Kind::LatinLetters}); // a Latin B
    EXPECT_EQ(kinds(u"ЭЛЕКТРОМАГНЕТИЗМЫ"), std::vector<Kind>{});       // 17 letters
    EXPECT_EQ(kinds(u"ЭЛЕКТРОМАГНЕТИЗМЫЙ"), std::vector<Kind>{Kind::TooLong});
    EXPECT_EQ(editor::answerWarnings(u"Вольт")[0].text,
              u"В ответе маленькие буквы (о, л, ь, т): на табло большие, и игра их различает.");
    EXPECT_EQ(editor::inBoardCapitals(u"Вольт ё"), u"ВОЛЬТ Ё");
    EXPECT_EQ(editor::withGuillemets(u"\"Закон\" Ома (\"ЗО\")"), u"«Закон» Ома («ЗО»)");
}

} // namespace
} // namespace vatro::testing
