// Where a computer of the lab keeps its journal, under what name, and what it says of a
// settings file it could not read.
#include "results/journalplaces.h"
#include "support/environmentvariable.h"
#include "support/gamefixture.h"

#include <pwd.h>
#include <unistd.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

TEST(JournalPlaces, TheAdministratorsFolderThenTheLocalOneUnderTheComputersName) {
    QuizFolder folder;
    folder.writeBytes("vatro.conf", "JournalFolder=/mnt/класс\nComputerName = Кабинет 12/ПК 7 \n");
    const Settings settings = readSettings({folder.path() / "vatro.conf"}).values;
    EXPECT_EQ(utf8(computerName(settings)), "Кабинет 12_ПК 7");
    const EnvironmentVariable data("XDG_DATA_HOME", "/var/данные");
    EXPECT_EQ(journalFolders(settings),
              (std::vector<fs::path>{"/mnt/класс", "/var/данные/vatro/Журнал"}));
}

// A game started with HOME unset, as root, once made /Ватро at the root.
TEST(JournalPlaces, WithoutAHomeTheJournalIsNeverKeptAtTheRoot) {
    const EnvironmentVariable data("XDG_DATA_HOME", nullptr);
    {
        const EnvironmentVariable home("HOME", nullptr);
        const passwd* entry = getpwuid(getuid());
        ASSERT_TRUE(entry && entry->pw_dir);
        const fs::path own = entry->pw_dir;
        if (own != "/") {
            EXPECT_EQ(journalFolders({}),
                      (std::vector<fs::path>{own / "Ватро" / "Журнал",
                                             own / ".local/share/vatro/Журнал"}));
        }
    }
    const EnvironmentVariable root("HOME", "/");
    EXPECT_TRUE(journalFolders({}).empty());
    Settings shared;
    shared.journalFolder = "/mnt/класс";
    EXPECT_EQ(journalFolders(shared), std::vector<fs::path>{"/mnt/класс"});
}

class SettingsProblems : public GameTest {};

TEST_F(SettingsProblems, AreToldOnceAtStartAndTheGamePlaysOn) {
    host.settings = {u"Файл настроек «a», строка 2: …", u"Файл настроек «b», строка 5: …"};
    play(&Form1::Command8);
    form().Command5.click();
    EXPECT_EQ(host.errors, std::vector<std::u16string>{u"Файл настроек «a», строка 2: …\n"
                                                       u"Файл настроек «b», строка 5: …"});
}

} // namespace
} // namespace vatro::testing
