// Files written whole or not at all, and never through something the writer did not make.
#include "quiz/atomicfile.h"
#include "quiz/textcodec.h"
#include "support/journalfile.h"
#include "support/quizfolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

} // namespace
} // namespace vatro::testing
