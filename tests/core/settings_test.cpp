// vatro.conf as an administrator and a teacher write it, and where the journal then goes.
#include "quiz/textcodec.h"
#include "results/journalplaces.h"
#include "settings/settings.h"
#include "support/gamefixture.h"

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test, or unsets it (nullopt), and puts it back.
class Environment {
public:
    Environment(const char* name, std::optional<std::string> value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~Environment() { m_old ? setenv(m_name, m_old->c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(Settings, TheUsersFileWinsAndABadLineIsNamedAndSkipped) {
    QuizFolder folder;
    folder.writeBytes("machine.conf", "[Ватро]\nJournalFolder=/srv/школа/журналы\n"
                                      "ComputerName = Кабинет 12/ПК 7 \n");
    folder.writeBytes("user.conf", "# учитель\r\nJournalFolder = /mnt/класс\r\nЖурнал /tmp\r\n");
    const LoadedSettings loaded =
        readSettings({folder.path() / "machine.conf", folder.path() / "missing.conf",
                      folder.path() / "user.conf"});
    EXPECT_EQ(loaded.values.journalFolder, fs::path("/mnt/класс"));
    EXPECT_EQ(utf8(computerName(loaded.values)), "Кабинет 12_ПК 7");
    ASSERT_EQ(loaded.problems.size(), 1u);
    EXPECT_EQ(utf8(loaded.problems[0]), "Файл настроек «" + (folder.path() / "user.conf").string() +
                                            "», строка 3: нет знака «=» между ключом и значением. "
                                            "Строка пропущена.");
    const Environment data("XDG_DATA_HOME", "/var/данные");
    EXPECT_EQ(journalFolders(loaded.values),
              (std::vector<fs::path>{"/mnt/класс", "/var/данные/vatro/Журнал"}));
}

// A game started with HOME unset, as root, once made /Ватро at the root.
TEST(Settings, WithoutHomeTheJournalIsNeverKeptAtTheRoot) {
    const Environment data("XDG_DATA_HOME", std::nullopt);
    {
        const Environment home("HOME", std::nullopt);
        const passwd* entry = getpwuid(getuid());
        ASSERT_TRUE(entry && entry->pw_dir);
        const fs::path own = entry->pw_dir;
        if (own != "/") {
            EXPECT_EQ(journalFolders({}),
                      (std::vector<fs::path>{own / "Ватро" / "Журнал",
                                             own / ".local/share/vatro/Журнал"}));
        }
    }
    const Environment root("HOME", "/");
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
