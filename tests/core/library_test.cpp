// The quiz library: what the menu entry offers a teacher, gathered from her ~/Ватро and the
// school's share named in the settings; new quizzes made there by name; the quizzes played
// last, which the chooser lists first.
#include "library/newquizfolder.h"
#include "library/playedquizzes.h"
#include "library/quizlibrary.h"
#include "quiz/textcodec.h"
#include "support/gamefixture.h"
#include "support/ordinaryuser.h"

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;
using library::Home;
using library::QuizPlace;

const fs::path Sample = VATRO_SAMPLE_QUIZ;

class QuizLibrary : public ::testing::Test {
protected:
    QuizLibrary() {
        ::chmod(root.path().c_str(), 0755); // an ordinary user may look in
        const char* before = std::getenv("HOME");
        m_home = before ? std::optional<std::string>(before) : std::nullopt;
        ::setenv("HOME", home.c_str(), 1);
    }
    ~QuizLibrary() override {
        if (m_home)
            ::setenv("HOME", m_home->c_str(), 1);
        else
            ::unsetenv("HOME");
    }
    static void quizIn(const fs::path& folder) {
        fs::create_directories(folder);
        std::ofstream(folder / "vatro.txt") << "\xCE,\xCC\r\n";
    }

    QuizFolder root;
    const fs::path home = root.path() / "home";
    const fs::path own = home / pathFromUtf8("Ватро");
    const fs::path share = root.path() / "share";

private:
    std::optional<std::string> m_home;
};

TEST_F(QuizLibrary, OwnQuizzesThenTheSettingsSharesSkippingWhatIsNoReadableQuiz) {
    quizIn(own);
    quizIn(own / pathFromUtf8("Оптика"));
    fs::create_directories(own / pathFromUtf8("Журнал"));
    std::ofstream(own / pathFromUtf8("Журнал/2026-12-08 10-15.csv")) << "№;Фамилия\n";
    std::ofstream(own / pathFromUtf8("заметки.txt")) << "не викторина\n";
    fs::create_directory_symlink(own / pathFromUtf8("Оптика"), own / "link");
    quizIn(own / pathFromUtf8("Закрытая"));
    ::chmod((own / pathFromUtf8("Закрытая")).c_str(), 0);
    quizIn(share / pathFromUtf8("Электростатика"));
    quizIn(share / pathFromUtf8("Магнетизм"));

    // The administrator lists the share, a share out of reach, and ~/Ватро once more.
    LoadedSettings settings;
    readSettingsText("QuizLibrary = " + share.string() +
                         "; /нет/такой/папки\nQuizLibrary=~/Ватро\n",
                     "/etc/xdg/vatro/vatro.conf", settings);
    ASSERT_TRUE(settings.problems.empty());
    const library::LibraryPlaces places = library::libraryPlaces(settings.values, Sample);
    const std::vector<QuizPlace> expected = {
        {own, Home::Own},
        {own / pathFromUtf8("Оптика"), Home::Own},
        {share / pathFromUtf8("Магнетизм"), Home::School},
        {share / pathFromUtf8("Электростатика"), Home::School},
    };
    EXPECT_EQ(asOrdinaryUser([&] { return library::findQuizzes(places) == expected ? 0 : 1; }), 0);
}

// The example an administrator copies for a lab reads without a problem.
TEST(QuizLibrarySettings, TheLabExampleReadsWithoutAProblem) {
    const LoadedSettings example =
        readSettings({Sample.parent_path().parent_path() / "doc" / "vatro.conf.example"});
    EXPECT_TRUE(example.problems.empty());
    EXPECT_EQ(example.values.quizLibrary,
              std::vector<fs::path>{pathFromUtf8("/mnt/school/Викторины")});
    EXPECT_TRUE(example.values.journalFolder);
}

TEST_F(QuizLibrary, TheSampleStandsInOnlyWhileThereIsNoOtherQuiz) {
    const library::LibraryPlaces places{own, {share}, Sample};
    const std::vector<QuizPlace> sampleOnly = {{Sample, Home::Sample}};
    EXPECT_EQ(library::findQuizzes(places), sampleOnly);
    fs::create_directories(own / pathFromUtf8("Пустая"));
    EXPECT_EQ(library::findQuizzes(places), sampleOnly);

    const library::NewFolder made = library::newQuizFromCopy(own, u" Оптика ", Sample);
    ASSERT_TRUE(made.folder) << utf8(made.problem);
    EXPECT_EQ(*made.folder, own / pathFromUtf8("Оптика"));
    EXPECT_EQ(library::findQuizzes(places), (std::vector<QuizPlace>{{*made.folder, Home::Own}}));
    for (const char* name : {"vatro.txt", "vatroo.txt", "vatrov.txt", "Справка1.txt"}) {
        std::ifstream copy(*made.folder / pathFromUtf8(name), std::ios::binary);
        std::ifstream original(Sample / pathFromUtf8(name), std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}),
                  std::string(std::istreambuf_iterator<char>(original), {}))
            << name;
    }
}

// A new quiz's name is the name of one new folder: anything else is refused, saying why.
TEST_F(QuizLibrary, ANewQuizNameThatIsTakenOrNoFolderNameIsRefusedWithItsReason) {
    ASSERT_TRUE(library::makeQuizFolder(own, u"Оптика").folder);
    const std::pair<std::u16string, std::u16string> refused[] = {
        {u"Оптика", u"уже занято"},     {u"9/10 класс", u"«/»"},
        {u"   ", u"Введите название"},  {u".скрытая", u"с точки"},
        {u"две\nстроки", u"невидимые"}, {std::u16string(200, u'Я'), u"слишком длинное"},
    };
    for (const auto& [name, reason] : refused) {
        const library::NewFolder made = library::makeQuizFolder(own, name);
        EXPECT_FALSE(made.folder) << utf8(name);
        EXPECT_NE(made.problem.find(reason), std::u16string::npos) << utf8(made.problem);
    }
    // A folder that holds anything of the name is no new quiz: nothing copied, nothing left.
    const library::NewFolder copied = library::newQuizFromCopy(own, u"Оптика", Sample);
    EXPECT_FALSE(copied.folder);
    EXPECT_TRUE(fs::is_empty(own / pathFromUtf8("Оптика")));
}

// The same quiz reached through a link is one quiz, kept under the name played last.
TEST_F(QuizLibrary, TheLastPlayedComesFirstOnceUnderAnyOfItsNames) {
    const fs::path list = home / ".local/state/vatro/played";
    quizIn(own / "a");
    quizIn(own / "b");
    fs::create_directory_symlink(own / "a", own / "also-a");
    EXPECT_TRUE(library::readPlayed(list).empty());
    for (const char* played : {"a", "b", "also-a", "b"})
        EXPECT_FALSE(library::rememberPlayed(list, own / played));
    EXPECT_EQ(library::readPlayed(list), (std::vector<fs::path>{own / "b", own / "also-a"}));
}

} // namespace
} // namespace vatro::testing
