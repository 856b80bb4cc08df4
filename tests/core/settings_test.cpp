// vatro.conf as an administrator and a user write it, and the folders a program keeps its
// files in when the environment says little.
#include "quiz/safefile.h"
#include "quiz/textcodec.h"
#include "settings/settings.h"
#include "settings/userfolders.h"
#include "support/environmentvariable.h"
#include "support/quizfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <sys/stat.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

// The machine's file sets the lab's folders; the user's file, read last, changes one of
// them; a line that is wrong is named with its file and number and skipped.
TEST(Settings, UserFileWinsAndEachBadLineIsNamedAndSkipped) {
    QuizFolder folder;
    folder.writeBytes("machine.conf",
                      "# the lab\r\n[Ватро]\r\nJournalFolder = /mnt/школа/журнал\r\n"
                      "QuizLibrary=/mnt/школа/викторины; /srv/quiz\r\nScale = 1,5\r\n");
    folder.writeBytes("user.conf", "\xEF\xBB\xBFQuizLibrary=~/Общие\nJournalFolder\n"
                                   "Journal=/tmp\nJournalFolder=относительная\n[раздел\nScale=4\n");
    const EnvironmentVariable home("HOME", "/home/ученик");
    const LoadedSettings loaded =
        readSettings({folder.path() / "machine.conf", folder.path() / "absent.conf",
                      folder.path() / "user.conf"});
    EXPECT_EQ(loaded.values.journalFolder, fs::path("/mnt/школа/журнал"));
    EXPECT_EQ(loaded.values.quizLibrary, std::vector<fs::path>{"/home/ученик/Общие"});
    EXPECT_EQ(loaded.values.scale, 1.5) << "a scale out of bounds leaves the machine's";
    const std::string user = (folder.path() / "user.conf").string();
    const std::vector<std::string> expected = {
        "Файл настроек «" + user +
            "», строка 2: нет знака «=» между ключом и значением. "
            "Строка пропущена.",
        "Файл настроек «" + user +
            "», строка 3: неизвестный ключ «Journal» (знакомые ключи: "
            "JournalFolder, ComputerName, QuizLibrary, Scale). Строка пропущена.",
        "Файл настроек «" + user +
            "», строка 4: «относительная» — не папка: укажите полный "
            "путь, начиная с «/» или «~/». Строка пропущена.",
        "Файл настроек «" + user +
            "», строка 5: заголовок раздела не закрыт скобкой «]». "
            "Строка пропущена.",
        "Файл настроек «" + user +
            "», строка 6: «4» — не масштаб: укажите число от 1.0 до 3.0, например 1.5. "
            "Строка пропущена."};
    std::vector<std::string> problems;
    for (const std::u16string& problem : loaded.problems)
        problems.push_back(utf16ToUtf8(problem));
    EXPECT_EQ(problems, expected);
}

// The machine's files under $XDG_CONFIG_DIRS, the first most important, then the user's.
TEST(Settings, AreLookedForInTheXdgFoldersTheUsersLast) {
    const EnvironmentVariable dirs("XDG_CONFIG_DIRS", "/etc/школа:relative:/etc/xdg");
    const EnvironmentVariable user("XDG_CONFIG_HOME", "/home/u/.config");
    EXPECT_EQ(settingsFiles(),
              (std::vector<fs::path>{"/etc/xdg/vatro/vatro.conf", "/etc/школа/vatro/vatro.conf",
                                     "/home/u/.config/vatro/vatro.conf"}));
    // A link, a FIFO, or a file that is no settings file is skipped with a message.
    QuizFolder folder;
    ASSERT_EQ(::mkfifo((folder.path() / "fifo.conf").c_str(), 0600), 0);
    fs::create_symlink(folder.path() / "fifo.conf", folder.path() / "link.conf");
    folder.writeBytes("cp1251.conf", encodeCp1251(u"JournalFolder=/mnt/журнал\r\n"));
    const LoadedSettings loaded = readSettings(
        {folder.path() / "fifo.conf", folder.path() / "link.conf", folder.path() / "cp1251.conf"});
    EXPECT_EQ(loaded.problems.size(), 3u);
    EXPECT_FALSE(loaded.values.journalFolder);
}

// Without $HOME a program finds the home in the password database, and never takes the
// root of the file system for one.
TEST(UserFolders, HomeComesFromThePasswordDatabaseWhenHomeIsUnset) {
    const EnvironmentVariable data("XDG_DATA_HOME", nullptr);
    {
        const EnvironmentVariable home("HOME", nullptr);
        const auto found = homeFolder();
        if (found) {
            EXPECT_TRUE(found->is_absolute());
            EXPECT_NE(*found, fs::path("/"));
            EXPECT_EQ(dataHome(), *found / ".local/share");
        }
    }
    const EnvironmentVariable root("HOME", "/");
    EXPECT_NE(homeFolder(), std::optional<fs::path>("/"));
}

// The one reader never waits on a FIFO, never follows a link at the file's own name, and
// judges the file it opened.
TEST(SafeRead, ReadsOnlyARegularFileOfAtMostItsLimit) {
    QuizFolder folder;
    folder.writeBytes("quiz.txt", "ОМ,ВОЛЬТ");
    ASSERT_EQ(::mkfifo((folder.path() / "fifo").c_str(), 0600), 0);
    fs::create_symlink(folder.path() / "quiz.txt", folder.path() / "link");
    using S = SafeRead::Status;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(readFileSafely(folder.path() / "fifo", 100).status, S::NotRegular);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_EQ(readFileSafely(folder.path() / "link", 100).status, S::NotRegular);
    EXPECT_EQ(readFileSafely(folder.path(), 100).status, S::NotRegular);
    EXPECT_EQ(readFileSafely(folder.path() / "none", 100).status, S::Missing);
    EXPECT_EQ(readFileSafely(folder.path() / "quiz.txt", 14).status, S::TooLarge);
    const SafeRead read = readFileSafely(folder.path() / "quiz.txt", 15);
    EXPECT_EQ(read.status, S::Read);
    EXPECT_EQ(read.bytes, "ОМ,ВОЛЬТ");
}

} // namespace
} // namespace vatro::testing
