// The class journal: what a teacher finds in the spreadsheet after each event of a lesson.
#include "support/gamefixture.h"
#include "support/journalfile.h"

#include <csignal>
#include <fcntl.h>
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

    // A file's player rows, each row's cells joined by '|', the quiz folder left out.
    static std::vector<std::string> rowsOf(const fs::path& file) {
        std::vector<std::string> lines;
        const auto cells = spreadsheetCells(fileBytes(file));
        for (std::size_t r = 1; r < cells.size(); ++r) {
            std::string line;
            for (std::size_t c = 0; c + 1 < cells[r].size(); ++c)
                line += (c ? "|" : "") + cells[r][c];
            lines.push_back(line);
        }
        return lines;
    }
    std::vector<std::string> rows() { return rowsOf(form().journal.file()); }
    // The journal writes on its own thread: everything on disk, and its message told.
    void settle() {
        form().journal.flush();
        form().Timer1.tick();
    }
    void answer(std::u16string_view word) {
        form().Command2.click();
        spell(word);
        pressGrid1(mouse::Middle);
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

// One file a run, named by its start and the computer; "Сброс" starts the next round in it.
TEST_F(Journal, KeepsALessonOfTwoRoundsInOneFileOfTheComputer) {
    Form1& f = start();
    EXPECT_TRUE(f.journal.file().empty()) << "no file before anyone registers";
    registerPlayer(u"Иванов");
    EXPECT_EQ(f.journal.file(), preferred() / "2026-12-08 12-00 pc07.csv");
    EXPECT_EQ(rows(), Rows{"pc07|1|1|Иванов|0|0|0|0||||0|"});
    EXPECT_EQ(spreadsheetCells(fileBytes(f.journal.file()))[1][13], quiz.path().string());

    chooseLevel(1);
    f.Command8.click();
    host.advance(65);
    answer(u"ОМ");
    EXPECT_EQ(rows(), Rows{"pc07|1|1|Иванов|1|0|1|5||User1|Игра2|1|100"});
    answer(u"ТО");
    answer(u"ТОК");
    f.Command5.click();
    EXPECT_EQ(rows(), Rows{"pc07|1|1|Иванов|2|1|1|5|3|User1|Игра2|3|67"}) << "2 of 3 is 67 %";
    registerPlayer(u"Петров");
    f.Command8.click();
    answer(u"ОМ");
    f.Command5.click();
    const Rows firstRound{"pc07|1|1|Иванов|2|1|1|5|3|User1|Игра2|3|67",
                          "pc07|1|2|Петров|1|0|0|0|2|User1|Игра2|1|100"};
    EXPECT_EQ(rows(), firstRound);

    // A new class: player 1 keeps his name and grade in the game, the round shows neither
    // the grade nor the points of the one before.
    f.Command7.click();
    f.Command5.click(); // right after "Сброс" it stores the last share's grade: not earned
    EXPECT_EQ(f.Grade(1), 2);
    chooseLevel(2);
    f.Command9.click();
    f.Command2.click();
    pressWord(rowShowing(u"ВОЛЬТ"));
    pressGrid2(mouse::Middle);
    Rows both = firstRound;
    both.push_back("pc07|2|1|Иванов|0|1|0|0||Мастер|Игра1|1|0");
    EXPECT_EQ(rows(), both);
    EXPECT_EQ(folderNames(preferred()), std::vector<std::string>{"2026-12-08 12-00 pc07.csv"});

    // Runs of the same name and minute get files of their own; a run nobody played in, none.
    host.clock = 12 * 3600 + 59;
    for (const bool played : {true, false}) {
        Form1 next(host);
        next.Show();
        host.names.push_back(u"Сидоров");
        if (played)
            next.Command6.click();
        next.journal.flush();
    }
    EXPECT_EQ(folderNames(preferred()), (std::vector<std::string>{"2026-12-08 12-00 pc07 (2).csv",
                                                                  "2026-12-08 12-00 pc07.csv"}));
    EXPECT_EQ(rowsOf(preferred() / "2026-12-08 12-00 pc07 (2).csv"),
              Rows{"pc07|1|1|Сидоров|0|0|0|0||||0|"});
    settle();
    EXPECT_TRUE(host.errors.empty());
}

// A network share stops answering in the middle of a lesson, its last write cut short before
// the rename: the teacher is told once, the whole table waits in the local folder, and the
// share gets all of it back at the first event after it returns.
TEST_F(Journal, AShareGoneMidLessonKeepsTheWholeTableLocallyUntilItIsBack) {
    Form1& f = play(&Form1::Command8);
    const fs::path onShare = f.journal.file();
    const std::string before = fileBytes(onShare);
    bool shareDown = true;
    f.journal.setStore([&](int folder, const fs::path& file, std::string_view bytes,
                           WriteMode mode) -> std::optional<FileWriteError> {
        if (!shareDown || file.parent_path() != preferred())
            return writeFileAtomicallyAt(folder, file.filename().string(), bytes, mode);
        AtomicFile cut(folder, file.filename().string());
        EXPECT_FALSE(cut.write(bytes));
        return FileWriteError{FileWriteError::Kind::Failed, EIO};
    });
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    f.Command5.click();
    registerPlayer(u"Петров");
    settle();
    const fs::path local = fallback() / onShare.filename();
    const Rows whole{"pc07|1|1|Иванов|1|0|0|0|2|User1|Игра2|1|100",
                     "pc07|1|2|Петров|0|0|0|0||||0|"};
    EXPECT_EQ(rowsOf(local), whole);
    EXPECT_EQ(fileBytes(onShare), before);
    EXPECT_EQ(folderNames(preferred()), std::vector<std::string>{onShare.filename().string()});
    ASSERT_EQ(host.errors.size(), 1u) << "a failure that goes on is told once";
    EXPECT_NE(utf8(host.errors[0]).find(local.string()), std::string::npos);
    EXPECT_NE(utf8(host.errors[0]).find("нет связи"), std::string::npos);

    shareDown = false;
    f.Command5.click();
    settle();
    EXPECT_EQ(f.journal.file(), onShare);
    EXPECT_EQ(rowsOf(onShare), whole);
    EXPECT_TRUE(folderNames(fallback()).empty()) << "the copy kept meanwhile is not needed";
    EXPECT_EQ(host.errors.size(), 1u);
}

// Each fault of the preferred folder: the journal goes to the next folder, says so, and
// nothing is written where the fault points.
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
        EXPECT_EQ(rows(), Rows{"pc07|1|1|Иванов|1|0|0|0|2|User1|Игра2|1|100"});
        EXPECT_TRUE(folderNames(elsewhere()).empty());
        EXPECT_TRUE(link || fileBytes(preferred()) == "заметки");
        settle();
        ASSERT_EQ(host.errors.size(), 1u) << "the teacher is told where the journal is";
        EXPECT_NE(utf8(host.errors[0]).find(form().journal.file().string()), std::string::npos);
        host.errors.clear();
    }
}

// The share made the file but its answer was lost: the empty file is this run's, and no
// second file of the run appears beside it.
TEST_F(Journal, ANameWhoseCreationTheShareCutOffStaysTheRunsOwn) {
    Form1& f = start();
    bool cut = true;
    f.journal.setStore([&](int folder, const fs::path& file, std::string_view bytes,
                           WriteMode mode) -> std::optional<FileWriteError> {
        if (!cut || file.parent_path() != preferred())
            return writeFileAtomicallyAt(folder, file.filename().string(), bytes, mode);
        cut = false;
        close(openat(folder, file.filename().c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600));
        FileWriteError lost{FileWriteError::Kind::Failed, EIO};
        lost.mayHoldName = true;
        return lost;
    });
    registerPlayer(u"Иванов");
    settle();
    ASSERT_EQ(host.errors.size(), 1u) << "the journal is kept locally meanwhile";
    f.Command5.click();
    settle();
    EXPECT_EQ(folderNames(preferred()), std::vector<std::string>{"2026-12-08 12-00 pc07.csv"});
    EXPECT_EQ(rows(), Rows{"pc07|1|1|Иванов|0|0|0|0||||0|"});
    EXPECT_TRUE(folderNames(fallback()).empty());
}

// A link put in place of the folder between two events: the journal stays in the folder it
// opened, and nothing is written where the link points.
TEST_F(Journal, AFolderSwappedForALinkMidLessonLeadsTheJournalNowhereElse) {
    Form1& f = play(&Form1::Command8);
    const fs::path name = f.journal.file().filename();
    fs::rename(preferred(), quiz.path() / "moved");
    fs::create_directories(elsewhere());
    fs::create_directory_symlink(elsewhere(), preferred());
    spell(u"ОМ");
    pressGrid1(mouse::Middle);
    settle();
    EXPECT_EQ(rowsOf(quiz.path() / "moved" / name),
              Rows{"pc07|1|1|Иванов|1|0|0|0||User1|Игра2|1|100"});
    EXPECT_TRUE(folderNames(elsewhere()).empty());
    EXPECT_TRUE(folderNames(fallback()).empty());
    EXPECT_TRUE(host.errors.empty());
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
