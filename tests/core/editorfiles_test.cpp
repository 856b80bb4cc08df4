// Opening and saving a quiz folder: only changed files are written, each in its encoding,
// atomically and with a .bak; a failed save leaves every file as it was.
#include "editor/quizdocument.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/ordinaryuser.h"

#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vatro::testing {
namespace {

using editor::LackingChoice;
using editor::QuizDocument;
using editor::QuizPart;
using editor::Side;
using Status = editor::SaveOutcome::Status;

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file of the folder by name with its bytes: what a failed save must leave alone.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = bytesOf(entry.path());
    return files;
}

class EditorFiles : public ::testing::Test {
protected:
    EditorFiles() {
        quiz.writeQuiz(lettersOf(u"ОМВОЛЬТТОК"), {u"ОМ", u"ВОЛЬТ", u"ТОК"},
                       {u"Единица сопротивления?", u"Единица напряжения?", u"Что течёт?"});
        quiz.write("Справка1.txt", u"Справка\r\n");
    }
    std::filesystem::path file(const std::string& name) const { return quiz.path() / name; }
    QuizFolder quiz;
    QuizDocument doc;
};

TEST_F(EditorFiles, AnUnchangedOrChangedBackFolderIsNotWrittenAtAll) {
    quiz.writeBytes("vatroo.txt", "\xEF\xBB\xBF\xD0\x9E\xD0\x9C,  \"\xD0\xA2\xD0\x9E\xD0\x9A\"\n");
    const auto before = snapshot(quiz.path());
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    EXPECT_EQ(doc.save().status, Status::NothingToSave);
    doc.setText(1, Side::Answer, u"ВАТТ");
    doc.setText(1, Side::Answer, u"ТОК");
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.save().status, Status::NothingToSave);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(snapshot(quiz.path()), before);
}

// Each file keeps its encoding: Windows-1251 (what older copies of the game read), UTF-8,
// UTF-8 with its mark; a written file reads back as it was written.
TEST_F(EditorFiles, AChangedFileKeepsItsEncodingAndTheOldOneIsKeptAsBak) {
    for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
        quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК"});
        quiz.writeBytes("vatrov.txt", mark + utf16ToUtf8(u"\"Вопрос, один\"\r\nВопрос два\r\n"));
        ASSERT_TRUE(doc.open(quiz.path()).ok);
        const auto before = snapshot(quiz.path());
        doc.setText(0, Side::Answer, u"ОММ");
        doc.setText(1, Side::Question, u"Вопрос «два»");
        const auto saved = doc.save();
        ASSERT_EQ(saved.status, Status::Saved) << utf8(saved.message);
        EXPECT_EQ(saved.written, (std::vector<QuizPart>{QuizPart::Answers, QuizPart::Questions}));
        EXPECT_EQ(saved.message,
                  u"Сохранено: vatroo.txt, vatrov.txt. Ответы и вопросы игра прочитает при "
                  u"«Сброс», «Новый игрок» или выборе режима игры.");
        EXPECT_EQ(bytesOf(file("vatroo.txt")), encodeCp1251(u"ОММ\r\nВОЛЬТ\r\nТОК\r\n"));
        EXPECT_EQ(bytesOf(file("vatrov.txt")),
                  mark + utf16ToUtf8(u"\"Вопрос, один\"\r\nВопрос «два»\r\n"));
        EXPECT_EQ(bytesOf(file("vatrov.txt.bak")), before.at("vatrov.txt"));
        EXPECT_EQ(bytesOf(file("vatro.txt")), before.at("vatro.txt"));
        EXPECT_FALSE(std::filesystem::exists(file("vatro.txt.bak")));
        QuizDocument again;
        ASSERT_TRUE(again.open(quiz.path()).ok);
        EXPECT_EQ(again.content(), doc.content());
    }
}

TEST_F(EditorFiles, ANewQuizIsWindows1251UnlessTheTeacherChoosesUtf8ForALackingCharacter) {
    QuizFolder empty;
    EXPECT_FALSE(doc.create(quiz.path()).ok); // a folder with a quiz is opened, not created
    ASSERT_TRUE(doc.create(empty.path()).ok);
    doc.appendPair();
    doc.setText(0, Side::Question, u"Сопротивление, Ω?");
    doc.setText(0, Side::Answer, u"ОМ");
    const auto asked = doc.save();
    ASSERT_EQ(asked.status, Status::NeedsEncodingChoice);
    ASSERT_EQ(asked.lacking.size(), 1u);
    EXPECT_EQ(asked.lacking[0].part, QuizPart::Questions);
    EXPECT_EQ(asked.lacking[0].characters, u"Ω");
    EXPECT_TRUE(std::filesystem::is_empty(empty.path()));

    ASSERT_TRUE(doc.save({LackingChoice::UseUtf8}).ok());
    EXPECT_EQ(bytesOf(empty.path() / "vatrov.txt"),
              "\xEF\xBB\xBF" + utf16ToUtf8(u"\"Сопротивление, Ω?\"\r\n"));
    EXPECT_EQ(bytesOf(empty.path() / "vatroo.txt"), encodeCp1251(u"ОМ\r\n"));
    EXPECT_TRUE(std::filesystem::exists(empty.path() / "vatro.txt"));
    EXPECT_TRUE(std::filesystem::exists(empty.path() / pathFromUtf8("Справка1.txt")));

    doc.setText(0, Side::Answer, u"Ω");
    ASSERT_EQ(doc.save({LackingChoice::Replace}).status, Status::Saved);
    EXPECT_EQ(doc.content().answers[0], u"?");
    EXPECT_EQ(bytesOf(empty.path() / "vatroo.txt"), "?\r\n");
}

TEST_F(EditorFiles, ADoubleQuoteIsOfferedAsGuillemetsBeforeAnythingIsWritten) {
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    doc.setText(2, Side::Question, u"Что такое \"ток\"?");
    const auto before = snapshot(quiz.path());
    const auto asked = doc.save();
    EXPECT_EQ(asked.status, Status::NeedsGuillemets);
    EXPECT_NE(asked.message.find(u"записи 3 файла «vatrov.txt»"), std::u16string::npos);
    EXPECT_EQ(snapshot(quiz.path()), before);
    EXPECT_TRUE(doc.useGuillemets());
    EXPECT_EQ(doc.content().questions[2], u"Что такое «ток»?");
    EXPECT_TRUE(doc.save().ok());
}

// Ctrl+S in two steps: the plan names every question at once and writes nothing; the
// answers then save every changed file in one write.
TEST_F(EditorFiles, ThePlanAsksEachQuestionOnceAndItsAnswersSaveEverythingAtOnce) {
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    const auto before = snapshot(quiz.path());
    doc.setText(0, Side::Question, u"Сопротивление, Ω?");
    doc.setText(1, Side::Answer, u"\"ВОЛЬТ\"");
    const editor::SavePlan plan = doc.planSave();
    EXPECT_EQ(plan.parts, (std::vector<QuizPart>{QuizPart::Answers, QuizPart::Questions}));
    ASSERT_EQ(plan.lacking.size(), 1u);
    EXPECT_EQ(plan.lacking[0].part, QuizPart::Questions);
    EXPECT_NE(plan.quotes.find(u"записи 2 файла «vatroo.txt»"), std::u16string::npos);
    EXPECT_EQ(plan.refusal, u"");
    EXPECT_EQ(snapshot(quiz.path()), before);

    const auto saved = doc.save({LackingChoice::UseUtf8, true});
    ASSERT_EQ(saved.status, Status::Saved) << utf8(saved.message);
    EXPECT_EQ(bytesOf(file("vatroo.txt")), encodeCp1251(u"ОМ\r\n«ВОЛЬТ»\r\nТОК\r\n"));
    EXPECT_EQ(bytesOf(file("vatrov.txt")).substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(doc.undoText(), u"Отменить: кавычки-ёлочки");
    EXPECT_FALSE(doc.isModified());

    // Half a character is mended by no answer: nothing is asked, nothing written.
    doc.setText(2, Side::Answer, u"ТОК\xD835");
    const auto written = snapshot(quiz.path());
    EXPECT_NE(doc.planSave().refusal.find(u"испорченный знак"), std::u16string::npos);
    EXPECT_EQ(doc.save({LackingChoice::Replace, true}).status, Status::Failed);
    EXPECT_EQ(snapshot(quiz.path()), written);
}

TEST_F(EditorFiles, AFileChangedOnDiskSinceItWasOpenedIsNotOverwritten) {
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    doc.setText(0, Side::Answer, u"ОММ");
    doc.setText(0, Side::Question, u"Сопротивление?");
    quiz.writeAnswers({u"ОМ", u"ВОЛЬТ", u"ТОК", u"ВАТТ"}); // another program
    const auto before = snapshot(quiz.path());
    const auto refused = doc.save();
    EXPECT_EQ(refused.status, Status::Failed);
    EXPECT_EQ(refused.message,
              u"Файл «vatroo.txt» изменился на диске после того, как его открыли: его переписала "
              u"другая программа. Чтобы не потерять те изменения, откройте папку заново. Ни один "
              u"файл не изменён.");
    EXPECT_EQ(snapshot(quiz.path()), before);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(EditorFiles, NeverWritesThroughALinkItDidNotMake) {
    QuizFolder elsewhere;
    elsewhere.write("target.txt", u"чужой файл");
    std::filesystem::create_symlink(elsewhere.path() / "target.txt", file("vatroo.txt.bak"));
    ASSERT_TRUE(doc.open(quiz.path()).ok);
    doc.setText(0, Side::Answer, u"ОММ");
    const auto before = snapshot(quiz.path());
    const auto refused = doc.save();
    EXPECT_EQ(refused.status, Status::Failed);
    EXPECT_NE(refused.message.find(u"vatroo.txt.bak"), std::u16string::npos);
    EXPECT_EQ(bytesOf(elsewhere.path() / "target.txt"), encodeCp1251(u"чужой файл"));
    EXPECT_EQ(snapshot(quiz.path()), before);

    std::filesystem::create_symlink(elsewhere.path() / "target.txt", file("vatrov.txt.link"));
    std::filesystem::rename(file("vatrov.txt.link"), file("vatrov.txt"));
    EXPECT_EQ(doc.open(quiz.path()).message,
              u"Файл «vatrov.txt» — не обычный файл (ссылка, канал или папка): редактор его не "
              u"открывает. Замените его обычным файлом.");
}

TEST_F(EditorFiles, AReadOnlyFolderOrAFullDiskLeavesEveryFileAsItWas) {
    ASSERT_EQ(::chmod(quiz.path().c_str(), 0755), 0);
    const auto before = snapshot(quiz.path());
    const auto saveFails = [&](bool readOnly) {
        return asOrdinaryUser([&] {
            QuizDocument child;
            if (!child.open(quiz.path()).ok)
                return 1;
            child.setText(0, Side::Answer, u"ОММ");
            child.setHelpText(std::u16string(200, u'Я'));
            if (!readOnly) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{64, 64};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            const auto outcome = child.save();
            const bool named =
                outcome.message.find(readOnly ? u"нет права записи в папку"
                                              : u"Справка1.txt»: на диске нет места") !=
                std::u16string::npos;
            return outcome.status == Status::Failed && named && child.isModified() ? 0 : 2;
        });
    };
    ASSERT_EQ(::chmod(quiz.path().c_str(), 0555), 0);
    EXPECT_EQ(saveFails(true), 0);
    EXPECT_EQ(snapshot(quiz.path()), before);
    ASSERT_EQ(::chmod(quiz.path().c_str(), 0777), 0);
    EXPECT_EQ(saveFails(false), 0);
    EXPECT_EQ(snapshot(quiz.path()), before) << "no file replaced, no temporary file left";
}

} // namespace
} // namespace vatro::testing
