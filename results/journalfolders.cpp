#include "journalfolders.h"

#include "journalplaces.h"
#include "lessons.h"
#include "quiz/numbertext.h"
#include "quiz/safefile.h"
#include "quiz/textcodec.h"
#include "settings/settings.h"
#include "settings/userfolders.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace vatro {

namespace {

namespace fs = std::filesystem;

// A journal of 100 players in many rounds takes some hundred kilobytes; anything near this is
// something else.
constexpr std::uintmax_t MaxJournalBytes = 8 << 20;
// A file with many broken rows is told of by its first few.
constexpr std::size_t RowsToldPerFile = 3;

std::u16string fileLabel(const fs::path& file) {
    return u"Файл «" + displayPath(file) + u"»";
}

std::u16string whyUnread(SafeRead::Status status) {
    switch (status) {
    case SafeRead::Status::Missing:
        return u"его удалили, пока папку читали";
    case SafeRead::Status::NotRegular:
        return u"это не обычный файл, а ссылка, папка или устройство";
    case SafeRead::Status::TooLarge:
        return u"он больше 8 МБ, журнал столько не занимает";
    case SafeRead::Status::Unreadable:
    case SafeRead::Status::Read:
        break;
    }
    return u"нет права его читать, или диск не отдал его";
}

// The rows of the bytes read from the file; what was left out, or why nothing was read,
// goes to problems. False when the file was not read at all.
bool readRows(const fs::path& file, const SafeRead& bytes, JournalTableRead& table,
              std::vector<std::u16string>& problems) {
    if (!bytes.ok()) {
        problems.push_back(fileLabel(file) + u" пропущен: " + whyUnread(bytes.status) + u".");
        return false;
    }
    table = readJournalTable(bytes.bytes);
    if (!table.skipped.empty()) {
        problems.push_back(fileLabel(file) + u" пропущен: " + table.skipped + u".");
        return false;
    }
    const std::size_t told = std::min(table.leftOut.size(), RowsToldPerFile);
    for (std::size_t n = 0; n < told; ++n)
        problems.push_back(fileLabel(file) + u": " + table.leftOut[n] + u".");
    if (table.leftOut.size() > told)
        problems.push_back(fileLabel(file) + u": пропущено ещё " +
                           counted(table.leftOut.size() - told, u"строка", u"строки", u"строк") +
                           u".");
    return true;
}

// The runs found in one folder.
using FolderRuns = std::vector<JournalRun>;

void scanFolder(int fd, const fs::path& folder, std::vector<FolderRuns>& into, JournalScan& scan) {
    std::vector<std::string> names;
    if (DIR* listing = ::fdopendir(::dup(fd))) {
        while (const dirent* entry = ::readdir(listing)) {
            const std::string_view name = entry->d_name;
            // A name beginning with a dot is a writer's temporary file, not yet a journal.
            if (!name.starts_with('.') && name.ends_with(".csv"))
                names.emplace_back(name);
        }
        ::closedir(listing);
    }
    std::sort(names.begin(), names.end());
    FolderRuns& found = into.emplace_back();
    for (const std::string& name : names) {
        const fs::path file = folder / pathFromUtf8(name);
        const std::optional<JournalFileName> named = parseJournalFileName(name);
        JournalTableRead table;
        if (!named) {
            scan.problems.push_back(fileLabel(file) +
                                    u" пропущен: его назвала не игра — в имени нет даты и "
                                    u"времени запуска, как в «2026-12-08 10-15 pc07.csv».");
        } else if (readRows(file, readFileSafelyAt(fd, pathFromUtf8(name), MaxJournalBytes), table,
                            scan.problems) &&
                   !table.rows.empty()) {
            // The rows name the computer; the older ones do not, and their file's name is all.
            JournalRun run{
                file, named->started, table.rows.front().row.computer, {}, table.rows.size()};
            if (run.computer.empty())
                run.computer = named->computer;
            for (const JournalEntry& entry : table.rows) {
                if (!entry.row.quizFolder.empty()) {
                    run.quizFolder = entry.row.quizFolder;
                    break;
                }
            }
            found.push_back(std::move(run));
        }
    }
}

} // namespace

JournalScan scanJournalFolders(const std::vector<fs::path>& folders, bool missingIsProblem) {
    JournalScan scan;
    std::vector<FolderRuns> byFolder;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const fs::path& folder : folders) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            if (error == ENOENT && !missingIsProblem)
                continue;
            scan.problems.push_back(
                u"Папка «" + displayPath(folder) + u"» пропущена: " +
                (error == ENOENT    ? u"её нет."
                 : error == ENOTDIR ? u"это не папка."
                 : error == EACCES
                     ? u"нет права её читать."
                     : u"она не открывается (" + utf8ToUtf16(std::strerror(error)) + u")."));
            continue;
        }
        struct stat status {};
        if (::fstat(fd, &status) == 0 && seen.insert({status.st_dev, status.st_ino}).second)
            scanFolder(fd, folder, byFolder, scan);
        ::close(fd);
    }
    // A run found in more than one folder: the folder holding more of it wins, the preferred
    // folder (named first) when they hold as much.
    std::map<std::pair<std::u16string, long long>, std::pair<std::size_t, std::size_t>> best;
    for (std::size_t f = 0; f < byFolder.size(); ++f) {
        std::map<std::pair<std::u16string, long long>, std::size_t> pupils;
        for (const JournalRun& run : byFolder[f])
            pupils[{run.computer, minuteNumber(run.started)}] += run.pupils;
        for (const auto& [key, count] : pupils) {
            const auto [place, added] = best.try_emplace(key, f, count);
            if (!added && count > place->second.second)
                place->second = {f, count};
        }
    }
    for (std::size_t f = 0; f < byFolder.size(); ++f) {
        for (JournalRun& run : byFolder[f]) {
            if (best.at({run.computer, minuteNumber(run.started)}).first == f)
                scan.runs.push_back(std::move(run));
        }
    }
    return scan;
}

std::vector<JournalEntry> readJournalRun(const JournalRun& run,
                                         std::vector<std::u16string>& problems) {
    JournalTableRead table;
    if (!readRows(run.file, readFileSafely(run.file, MaxJournalBytes), table, problems))
        return {};
    for (JournalEntry& entry : table.rows) {
        if (entry.row.computer.empty())
            entry.row.computer = run.computer;
    }
    return std::move(table.rows);
}

std::vector<fs::path> defaultJournalFolders() {
    std::vector<fs::path> folders;
    const auto add = [&folders](fs::path folder) {
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(std::move(folder));
    };
    for (fs::path& folder : journalFolders(machineSettings().values))
        add(std::move(folder));
    // Where the game kept its journal before JournalFolder= was set.
    if (const auto home = homeFolder())
        add(*home / pathFromUtf8("Ватро") / pathFromUtf8("Журнал"));
    return folders;
}

} // namespace vatro
