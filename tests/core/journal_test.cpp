// The class journal: what a teacher finds in the spreadsheet after each event of a lesson.
#include "results/journaltable.h"
#include "support/gamefixture.h"
#include "support/journalfile.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

class Journal : public GameTest {
protected:
    Journal() { host.journal = {preferred(), fallback()}; }
    fs::path preferred() const { return quiz.path() / "home" / "Ватро" / "Журнал"; }
    fs::path fallback() const { return quiz.path() / "data" / "vatro" / "Журнал"; }
    fs::path elsewhere() const { return quiz.path() / "elsewhere"; }

    // The journal's player rows, each row's cells joined by '|', the quiz folder left out.
    std::vector<std::string> rows() {
        std::vector<std::string> lines;
        const auto cells = spreadsheetCells(fileBytes(form().journal.file()));
        for (std::size_t r = 1; r < cells.size(); ++r) {
            std::string line;
            for (std::size_t c = 0; c + 1 < cells[r].size(); ++c)
                line += (c ? "|" : "") + cells[r][c];
            lines.push_back(line);
        }
        return lines;
    }
    // The journal writes on its own thread: everything on disk, and its message told.
    void settle() {
        form().journal.flush();
        form().Timer1.tick();
    }
    // A verdict and a result: the game must count both whatever becomes of the journal.
    void playOneRightAnswer() {
        play(&Form1::Command8);
        spell(u"ОМ");
        pressGrid1(mouse::Middle);
        form().Command5.click();
        EXPECT_EQ(form().Points(1), 1);
        EXPECT_EQ(form().Grade(1), 2);
    }

    using Rows = std::vector<std::string>;
};

TEST_F(Journal, FollowsAWholeGameOfTwoPlayersAndStartsANewFileAtReset) {
    Form1& f = start();
    EXPECT_TRUE(f.journal.file().empty()) << "no file before anyone registers";
    registerPlayer(u"Иванов");
    EXPECT_EQ(f.journal.file(), preferred() / "2026-12-08 12-00.csv");
    EXPECT_EQ(rows(), Rows{"1|Иванов|0|0|0|0||||0|"});
    const auto header = spreadsheetCells(fileBytes(f.journal.file()))[0];
    EXPECT_EQ(header.size(), 12u);
    EXPECT_EQ(spreadsheetCells(fileBytes(f.journal.file()))[1][11], quiz.path().string());

    chooseLevel(1);
    f.Command8.click();
    f.Command2.click();
    host.advance(65);
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    EXPECT_EQ(rows(), Rows{"1|Иванов|1|0|1|5||User1|Игра2|1|100"});
    f.Command2.click();
    spell(u"ТО");
    f.Grid1.keyPress(key::Space, 0);
    EXPECT_EQ(rows(), Rows{"1|Иванов|1|1|1|5||User1|Игра2|2|50"});
    f.Command5.click();
    EXPECT_EQ(rows(), Rows{"1|Иванов|1|1|1|5|2|User1|Игра2|2|50"});

    registerPlayer(u"Петров");
    EXPECT_EQ(rows(), (Rows{"1|Иванов|1|1|1|5|2|User1|Игра2|2|50", "2|Петров|0|0|0|0||||0|"}));
    chooseLevel(2);
    f.Command9.click();
    f.Command2.click();
    tickAfter(60); // "Мастер" runs out: the options are cleared, the level stays in the row
    EXPECT_EQ(rows()[1], "2|Петров|0|0|0|0||Мастер|Игра1|1|");
    f.Command5.click();
    EXPECT_EQ(rows()[1], "2|Петров|0|0|0|0||Мастер|Игра1|1|");

    // The time-out disabled "Сброс"; the next registration enables it.
    registerPlayer(u"Сидоров");
    EXPECT_EQ(rows().size(), 3u);
    const fs::path first = f.journal.file();
    const std::string kept = fileBytes(first);
    f.Command7.click();
    EXPECT_NE(f.journal.file(), first);
    EXPECT_EQ(fileBytes(first), kept);
    EXPECT_EQ(rows(), Rows{"1|Иванов|0|0|||2|||0|"});
    EXPECT_EQ(folderNames(preferred()),
              (std::vector<std::string>{"2026-12-08 12-00.csv", "2026-12-08 12-02.csv"}));
    settle();
    EXPECT_TRUE(host.errors.empty());
}

// The power fails after the new file is written beside the old one, before the rename.
TEST_F(Journal, AWriteCutShortBeforeItsRenameLeavesThePreviousFileWhole) {
    Form1& f = play(&Form1::Command8);
    const fs::path file = f.journal.file();
    const std::string before = fileBytes(file);
    f.journal.setStore([](const fs::path& path, std::string_view bytes, WriteMode) {
        AtomicFile cut(path);
        EXPECT_FALSE(cut.write(bytes));
        return std::optional<FileWriteError>(FileWriteError{FileWriteError::Kind::Failed, EIO});
    });
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    settle();
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(folderNames(preferred()), std::vector<std::string>{file.filename().string()});
    EXPECT_EQ(host.errors.size(), 1u) << "a failure that goes on is told once";

    f.journal.setStore([](const fs::path& path, std::string_view bytes, WriteMode mode) {
        return writeFileAtomically(path, bytes, mode);
    });
    registerPlayer(u"Петров");
    EXPECT_EQ(f.journal.file(), file);
    EXPECT_EQ(rows(), (Rows{"1|Иванов|1|0|0|0|2|User1|Игра2|1|100", "2|Петров|0|0|0|0||||0|"}));
}

TEST(JournalTable, NamesLandInOneCellAsTextNeverAsFormula) {
    const std::vector<std::pair<std::u16string, std::string>> names = {
        {u"=1+1", "'=1+1"},
        {u"+7 класс", "'+7 класс"},
        {u"-Б", "'-Б"},
        {u"@SUM(A1)", "'@SUM(A1)"},
        {u"Ли; Ким", "Ли; Ким"},
        {u"\"Гроза\", 7Б", "\"Гроза\", 7Б"},
        {u"Катя\r\nМаша", "Катя\r\nМаша"},
        {u" Ли ", " Ли "}};
    std::vector<JournalRow> rows;
    for (const auto& [name, cell] : names)
        rows.push_back({static_cast<int>(rows.size()) + 1, name, 1, 0, u" 0", u" 5", 5, u"Мастер",
                        u"Игра2", 3, u"/home/учитель/7Б; физика"});
    const auto cells = spreadsheetCells(journalTable(rows));
    ASSERT_EQ(cells.size(), names.size() + 1);
    for (std::size_t r = 0; r < names.size(); ++r) {
        EXPECT_EQ(cells[r + 1].size(), 12u) << names[r].second;
        EXPECT_EQ(cells[r + 1][1], names[r].second);
        EXPECT_EQ(cells[r + 1][5], "5");
        EXPECT_EQ(cells[r + 1][11], "/home/учитель/7Б; физика");
    }
}

// Each fault of the preferred folder: the journal goes to the next folder, and nothing is
// written where the fault points.
TEST_F(Journal, AFolderThatIsAFileOrALinkSendsTheJournalToTheNextFolder) {
    for (const bool link : {false, true}) {
        fs::remove_all(quiz.path() / "home");
        fs::remove_all(quiz.path() / "data");
        fs::create_directories(preferred().parent_path());
        fs::create_directories(elsewhere());
        if (link)
            fs::create_directory_symlink(elsewhere(), preferred());
        else
            quiz.writeBytes("home/Ватро/Журнал", "заметки");
        playOneRightAnswer();
        EXPECT_EQ(form().journal.file().parent_path(), fallback());
        EXPECT_EQ(rows(), Rows{"1|Иванов|1|0|0|0|2|User1|Игра2|1|100"});
        EXPECT_TRUE(folderNames(elsewhere()).empty());
        EXPECT_TRUE(link || fileBytes(preferred()) == "заметки");
        settle();
        EXPECT_TRUE(host.errors.empty());
    }
}

// A link put in place of the folder during the lesson: the journal moves, and says where.
TEST_F(Journal, AFolderSwappedForALinkMidLessonMovesTheJournalAndSaysWhere) {
    Form1& f = play(&Form1::Command8);
    ASSERT_EQ(f.journal.file().parent_path(), preferred());
    fs::rename(preferred(), quiz.path() / "moved");
    fs::create_directories(elsewhere());
    fs::create_directory_symlink(elsewhere(), preferred());
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    settle();
    EXPECT_EQ(f.journal.file().parent_path(), fallback());
    EXPECT_EQ(rows(), Rows{"1|Иванов|1|0|0|0||User1|Игра2|1|100"});
    EXPECT_TRUE(folderNames(elsewhere()).empty());
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(utf8(host.errors[0]).find("теперь пишется в файл"), std::string::npos);
}

// Folders the game may not write, and a disk that takes no more: the game plays on, and says
// once that the journal is not kept.
TEST_F(Journal, WhenNothingCanBeWrittenTheGamePlaysOnAndSaysSoOnce) {
    fs::create_directories(preferred());
    fs::create_directories(fallback());
    for (const fs::path& folder : {quiz.path(), preferred(), fallback()})
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::permissions(preferred(), fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    fs::permissions(fallback(), fs::perms::owner_write, fs::perm_options::remove);
    // The superuser writes into read-only folders; the game then plays as nobody.
    const uid_t user = geteuid();
    ASSERT_TRUE(user != 0 || seteuid(65534) == 0);
    playOneRightAnswer();
    settle();
    ASSERT_TRUE(user != 0 || seteuid(0) == 0);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(utf8(host.errors[0]).find("Журнал класса не ведётся"), std::string::npos);
    EXPECT_NE(utf8(host.errors[0]).find("нет права записи"), std::string::npos);
    EXPECT_TRUE(folderNames(preferred()).empty() && folderNames(fallback()).empty());
}

TEST_F(Journal, AFullDiskKeepsTheLastWholeFileAndTheGameCounting) {
    Form1& f = play(&Form1::Command8);
    const std::string before = fileBytes(f.journal.file());
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{16, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    settle();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(f.Grade(1), 2);
    EXPECT_EQ(fileBytes(f.journal.file()), before);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(utf8(host.errors[0]).find("на диске нет места"), std::string::npos);
    EXPECT_EQ(folderNames(preferred()).size(), 1u);
    EXPECT_TRUE(folderNames(fallback()).empty());
}

} // namespace
} // namespace vatro::testing
