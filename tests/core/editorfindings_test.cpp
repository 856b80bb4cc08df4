// The checker's findings on the document in memory, as vatro-check finds them on disk, each
// pointing at the record the editor selects; and "vatro-check --fill-board".
#include "editor/fillboard.h"
#include "editor/livefindings.h"
#include "editor/quizdocument.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/hostilequiz.h"

#include <fstream>
#include <iterator>

namespace vatro::testing {
namespace {

using editor::QuizPart;
using editor::Side;

std::vector<std::string> texts(const std::vector<Finding>& findings) {
    std::vector<std::string> result;
    for (const Finding& finding : findings)
        result.push_back(finding.file + " " + std::to_string(finding.record) + " " +
                         utf8(finding.what));
    return result;
}

std::vector<Finding> findingsOf(const std::vector<editor::EditorFinding>& live) {
    std::vector<Finding> findings;
    for (const auto& item : live)
        findings.push_back(item.finding);
    return findings;
}

const editor::EditorFinding* find(const std::vector<editor::EditorFinding>& live,
                                  Finding::Kind kind) {
    for (const auto& item : live) {
        if (item.finding.kind == kind)
            return &item;
    }
    return nullptr;
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class EditorFindings : public ::testing::Test {
protected:
    EditorFindings() {
        quiz.writeQuiz(
            lettersOf(u"ОМВОЛЬТТО"), {u"ОМ", u"Вольт", u"ТОК"},
            {u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?", u"Лишний вопрос?"});
        quiz.write("Справка1.txt", u"Справка\r\n");
        EXPECT_TRUE(doc.open(quiz.path()).ok);
    }
    QuizFolder quiz;
    editor::QuizDocument doc;
};

TEST_F(EditorFindings, AnOpenedFolderHasExactlyTheFindingsOfVatroCheck) {
    const auto live = editor::liveFindings(doc);
    EXPECT_EQ(texts(findingsOf(live)), texts(checkQuizFolder(quiz.path()).findings));
    ASSERT_GE(live.size(), 3u); // lower case, count mismatch, the board lacks letters
    const auto* lacking = find(live, Finding::Kind::LettersShort);
    ASSERT_NE(lacking, nullptr);
    EXPECT_EQ(lacking->place.part, QuizPart::Board);
    EXPECT_FALSE(lacking->place.index.has_value());
}

TEST_F(EditorFindings, FindingsFollowTheEditsAndNameTheRecordToSelect) {
    doc.setText(1, Side::Answer, u"ВОЛЬТ");
    doc.setText(2, Side::Answer, u"ТО");
    doc.deletePairs(3);
    EXPECT_TRUE(editor::liveFindings(doc).empty());
    doc.setCell(editor::cellIndex(0, 4), u"ЛЬ");
    doc.setText(1, Side::Question, u"Единица \"напряжения\"?");
    const auto live = editor::liveFindings(doc);
    const auto* cell = find(live, Finding::Kind::CellNotOneLetter);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->place.part, QuizPart::Board);
    EXPECT_EQ(cell->place.index, editor::cellIndex(0, 4));
    const auto* quote = find(live, Finding::Kind::NotWritable);
    ASSERT_NE(quote, nullptr);
    EXPECT_EQ(quote->place.part, QuizPart::Questions);
    EXPECT_EQ(quote->place.side, Side::Question);
    EXPECT_EQ(quote->place.index, 1u);
    // The rest of the file is still checked, as it will be once the quotes are «ёлочки».
    EXPECT_EQ(live.size(), 2u);
    // An empty pair is told in pairs, not in commas.
    doc.appendPair();
    const auto withEmptyPair = editor::liveFindings(doc);
    const auto* empty = find(withEmptyPair, Finding::Kind::EmptyRecord);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->finding.what, u"В паре 4 нет ответа: на этот вопрос нельзя ответить.");
}

TEST_F(EditorFindings, FillBoardRewritesTheBoardWithABakAndTheSeedRebuildsIt) {
    doc.setText(1, Side::Answer, u"ВОЛЬТ");
    doc.deletePairs(3);
    ASSERT_TRUE(doc.save().ok());
    const std::string oldBoard = bytesOf(quiz.path() / "vatro.txt");
    const auto filled = editor::fillBoard(quiz.path(), 123);
    EXPECT_EQ(filled.exitStatus, 0) << utf8(filled.text);
    EXPECT_EQ(
        filled.text.find(
            u"Табло собрано из ответов: 10 букв ответов и 330 случайных, по 20 в ряд; зерно 123 "
            u"(vatro-check --fill-board --seed 123 соберёт то же табло)."),
        0u);
    EXPECT_EQ(bytesOf(quiz.path() / "vatro.txt.bak"), oldBoard);
    const std::string built = bytesOf(quiz.path() / "vatro.txt");
    const auto again = editor::fillBoard(quiz.path(), 123);
    EXPECT_NE(again.text.find(u"Файл vatro.txt уже был таким и не переписан."),
              std::u16string::npos);
    EXPECT_EQ(bytesOf(quiz.path() / "vatro.txt"), built);
    EXPECT_EQ(bytesOf(quiz.path() / "vatro.txt.bak"), oldBoard);

    quiz.writeAnswers(std::vector<std::u16string>(21, u"ЭЛЕКТРОМАГНЕТИЗМЫ"));
    const auto refused = editor::fillBoard(quiz.path(), 123);
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_EQ(refused.text, u"Ответам нужно 357 букв, а на табло 340 клеток: сократите ответы "
                            u"на 17 букв. Табло не изменено.\n");
    EXPECT_EQ(bytesOf(quiz.path() / "vatro.txt"), built);
}

// Every folder a teacher might hand the game by mistake: the editor opens it (or says why
// not), finds what vatro-check finds, writes nothing unasked, and can still build and save.
TEST(EditorOnHostileFolders, FindWhatTheCheckerFindsAndSaveOnlyWhatWasChanged) {
    for (const HostileQuiz& hostile : hostileQuizzes()) {
        SCOPED_TRACE(hostile.name);
        QuizFolder quiz;
        writeGoodQuiz(quiz);
        hostile.build(quiz);
        editor::QuizDocument doc;
        const editor::OpenOutcome opened = doc.open(quiz.path());
        if (!opened.ok) {
            EXPECT_NE(opened.message.find(utf8ToUtf16(hostile.file)), std::u16string::npos)
                << utf8(opened.message);
            continue;
        }
        EXPECT_EQ(texts(findingsOf(editor::liveFindings(doc))),
                  texts(checkQuizFolder(quiz.path()).findings));
        EXPECT_EQ(doc.save().status, editor::SaveOutcome::Status::NothingToSave);
        doc.buildBoard(1);
        doc.save({editor::LackingChoice::UseUtf8});
        EXPECT_TRUE(editor::QuizDocument().open(quiz.path()).ok);
    }
}

} // namespace
} // namespace vatro::testing
