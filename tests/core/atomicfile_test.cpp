// Files written whole or not at all, and never through something the writer did not make.
#include "quiz/atomicfile.h"
#include "quiz/temporaryfiles.h"
#include "quiz/textcodec.h"
#include "support/journalfile.h"
#include "support/quizfolder.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;
using Kind = FileWriteError::Kind;

TEST(AtomicFile, ReplacesAWholeFileAndKeepsWhoMayReadIt) {
    QuizFolder folder;
    const fs::path file = folder.path() / "журнал.csv";
    ASSERT_FALSE(writeFileAtomically(file, "старое"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(writeFileAtomically(file, "новое"));
    EXPECT_EQ(fileBytes(file), "новое");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"журнал.csv"});
}

TEST(AtomicFile, NeverWritesThroughALinkAFifoOrAFolderNorReplacesForANewFile) {
    QuizFolder folder;
    const fs::path target = folder.path() / "target";
    folder.writeBytes("target", "kept");
    fs::create_symlink(target, folder.path() / "link");
    ASSERT_EQ(mkfifo((folder.path() / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder.path() / "dir");
    for (const char* name : {"link", "fifo", "dir"}) {
        const auto problem = writeFileAtomically(folder.path() / name, "x");
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->kind, Kind::NotAPlainFile) << name;
    }
    const auto taken = writeFileAtomically(target, "x", WriteMode::CreateNew);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->kind, Kind::AlreadyExists);
    EXPECT_EQ(fileBytes(target), "kept");
    EXPECT_EQ(folderNames(folder.path()),
              (std::vector<std::string>{"dir", "fifo", "link", "target"}));
    const auto missing = writeFileAtomically(folder.path() / "нет" / "a.csv", "x");
    ASSERT_TRUE(missing);
    EXPECT_EQ(utf16ToUtf8(describeFileWriteError(*missing, folder.path() / "нет" / "a.csv")),
              "Не удалось записать файл «" + (folder.path() / "нет" / "a.csv").string() +
                  "»: папки «" + (folder.path() / "нет").string() + "» нет или это не папка.");
}

// A writer killed before its rename, as a loop of kills does: where the file system has
// nameless files nothing is left even for a moment, and elsewhere the next write removes it.
TEST(AtomicFile, AWriterKilledHalfWayLeavesNothingBehind) {
    QuizFolder folder;
    folder.writeBytes("vatro.txt", "старое");
    const fs::path file = folder.path() / "vatro.txt";
    const pid_t writer = fork();
    if (writer == 0) {
        AtomicFile cut(file);
        cut.write(std::string(1 << 20, 'x'));
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status));
    const int nameless = open(folder.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (nameless >= 0) {
        close(nameless);
        EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"vatro.txt"});
    }
    ASSERT_FALSE(writeFileAtomically(file, "новое"));
    EXPECT_EQ(folderNames(folder.path()), std::vector<std::string>{"vatro.txt"});
    EXPECT_EQ(fileBytes(file), "новое");
}

// Of what lies about, a write removes only what no writer will finish: the temporary of a
// process of this computer that has ended, and another computer's untouched for an hour.
TEST(AtomicFile, AWriteRemovesOnlyTemporariesNoWriterWillFinish) {
    QuizFolder folder;
    const pid_t ended = fork();
    if (ended == 0) {
        close(open((folder.path() / temporaryNameFor("vatro.txt")).c_str(), O_CREAT | O_WRONLY,
                   0600));
        _exit(0);
    }
    ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
    ASSERT_EQ(folderNames(folder.path()).size(), 1u);
    const std::string writing = temporaryNameFor("vatro.txt");
    const std::string freshElsewhere = ".vatro.txt.0000abcd-4242-7.tmp";
    const std::string oldElsewhere = ".vatro.txt.0000abcd-4242-8.tmp";
    for (const std::string& name :
         {writing, freshElsewhere, oldElsewhere, std::string(".vatro.txt.bak")})
        folder.writeBytes(name, "x");
    fs::last_write_time(folder.path() / oldElsewhere,
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_FALSE(writeFileAtomically(folder.path() / "vatro.txt", "x"));
    std::vector<std::string> kept = {".vatro.txt.bak", freshElsewhere, writing, "vatro.txt"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(folderNames(folder.path()), kept);
}

// Under ThreadSanitizer: writers on several threads never share a temporary name.
TEST(AtomicFile, WritersOnSeveralThreadsEachKeepTheirOwnFile) {
    QuizFolder folder;
    std::atomic<int> failures = 0;
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&, t] {
            for (int n = 0; n <= 20; ++n)
                failures +=
                    writeFileAtomically(folder.path() / std::to_string(t), std::to_string(n)) ? 1
                                                                                              : 0;
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(folderNames(folder.path()), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(fileBytes(folder.path() / "3"), "20");
}

} // namespace
} // namespace vatro::testing
