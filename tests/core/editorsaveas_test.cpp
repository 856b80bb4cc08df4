// "Сохранить как…" and "Играть" on the editor's document: the quiz as it stands goes into a
// folder that holds no quiz and is edited there from then on; the game, which reads the
// files, plays the quiz as shown only when everything is saved.
#include "editor/quizdocument.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"

#include <fstream>
#include <iterator>
#include <map>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;
using editor::QuizDocument;
using editor::QuizPart;
using editor::Side;
using Status = editor::SaveOutcome::Status;

std::map<std::string, std::string> filesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    return files;
}

class EditorSaveAs : public ::testing::Test {
protected:
    EditorSaveAs() {
        quiz.writeQuiz(lettersOf(u"ОМВОЛЬТТОК"), {u"ОМ", u"ВОЛЬТ", u"ТОК"},
                       {u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?"});
        quiz.writeBytes("Справка1.txt", "\xEF\xBB\xBF" + utf16ToUtf8(u"Справка, Ω\r\n"));
    }
    QuizFolder quiz;
    QuizDocument doc;
};

TEST_F(EditorSaveAs, TheQuizAsItStandsGoesIntoAnEmptyFolderAndIsEditedThere) {
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    EXPECT_TRUE(doc.isSavedToDisk());
    doc.setText(0, Side::Answer, u"ОММ");
    EXPECT_FALSE(doc.isSavedToDisk()) << "the game would play the old answer";
    const auto saved = filesOf(quiz.path());

    QuizFolder copy;
    const auto outcome = doc.saveAs(copy.path());
    ASSERT_EQ(outcome.status, Status::Saved) << utf8(outcome.message);
    EXPECT_EQ(doc.folder(), copy.path());
    EXPECT_TRUE(doc.isSavedToDisk());
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(filesOf(quiz.path()), saved) << "the old folder keeps what was saved in it";
    QuizDocument reread;
    ASSERT_TRUE(reread.open(copy.path()).ok);
    EXPECT_EQ(reread.content(), doc.content());
    EXPECT_EQ(reread.onDisk(QuizPart::Help).encoding, FileEncoding::Utf8WithMark);
    EXPECT_EQ(reread.onDisk(QuizPart::Answers).encoding, FileEncoding::Cp1251);

    // Ctrl+S now writes into the new folder, never into the old one.
    doc.setText(1, Side::Answer, u"ВАТТ");
    ASSERT_EQ(doc.save().status, Status::Saved);
    EXPECT_EQ(filesOf(quiz.path()), saved);
    ASSERT_TRUE(reread.open(copy.path()).ok);
    EXPECT_EQ(reread.content().answers[1], u"ВАТТ");

    // A quiz just made has nothing on disk to play until it is saved.
    QuizFolder fresh;
    ASSERT_TRUE(doc.create(fresh.path()).ok);
    EXPECT_FALSE(doc.isSavedToDisk());
    ASSERT_EQ(doc.save().status, Status::Saved);
    EXPECT_TRUE(doc.isSavedToDisk());
}

TEST_F(EditorSaveAs, AFolderThatHoldsAQuizOrIsMissingIsRefusedAndNothingIsWritten) {
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    doc.setText(0, Side::Answer, u"ОММ");
    QuizFolder other;
    other.write("vatrov.txt", u"\"Чужой вопрос\"\r\n");
    const auto before = filesOf(other.path());
    const auto refused = doc.saveAs(other.path());
    EXPECT_EQ(refused.status, Status::Failed);
    EXPECT_NE(refused.message.find(u"уже есть викторина"), std::u16string::npos)
        << utf8(refused.message);
    EXPECT_EQ(filesOf(other.path()), before);
    EXPECT_EQ(doc.saveAs(other.path() / "нет такой").status, Status::Failed);
    EXPECT_EQ(doc.planSaveAs(other.path()).refusal, refused.message);

    // A save that stops to ask leaves the document with its own folder and its changes.
    QuizFolder empty;
    doc.setText(1, Side::Question, u"Что такое \"вольт\"?");
    EXPECT_EQ(doc.saveAs(empty.path()).status, Status::NeedsGuillemets);
    EXPECT_TRUE(fs::is_empty(empty.path()));
    EXPECT_EQ(doc.folder(), quiz.path());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.changedParts(), (std::vector<QuizPart>{QuizPart::Answers, QuizPart::Questions}));
}

} // namespace
} // namespace vatro::testing
