#include "playedquizzes.h"

#include "quizlibrary.h"

#include "quiz/atomicfile.h"
#include "quiz/safefile.h"
#include "settings/userfolders.h"

#include <algorithm>
#include <string_view>
#include <system_error>

namespace vatro::library {

namespace {

namespace fs = std::filesystem;

// A list longer than any teacher's shelf of quizzes is cut at its oldest end.
constexpr std::size_t KeptFolders = 30;
constexpr std::uintmax_t MaxListBytes = 256 * 1024;

} // namespace

std::optional<fs::path> playedListFile() {
    const auto state = stateHome();
    if (!state)
        return std::nullopt;
    return *state / "vatro" / "played";
}

std::vector<fs::path> readPlayed(const fs::path& list) {
    std::vector<fs::path> folders;
    const SafeRead read = readFileSafely(list, MaxListBytes);
    if (!read.ok())
        return folders;
    std::string_view rest = read.bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.front() == '/')
            folders.emplace_back(line);
    }
    return folders;
}

std::optional<std::u16string> rememberPlayed(const fs::path& list, const fs::path& folder) {
    std::error_code error;
    const fs::path absolute = fs::absolute(folder, error).lexically_normal();
    // A name with a line end in it cannot stand on a line of its own.
    if (error || absolute.native().find('\n') != std::string::npos)
        return std::nullopt;
    std::vector<fs::path> folders = readPlayed(list);
    const fs::path wanted = folderIdentity(absolute);
    if (!folders.empty() && folderIdentity(folders.front()) == wanted)
        return std::nullopt;
    std::erase_if(folders, [&](const fs::path& old) { return folderIdentity(old) == wanted; });
    folders.insert(folders.begin(), absolute);
    if (folders.size() > KeptFolders)
        folders.resize(KeptFolders);
    std::string bytes;
    for (const fs::path& kept : folders)
        bytes += kept.native() + '\n';
    fs::create_directories(list.parent_path(), error);
    if (const auto failed = writeFileAtomically(list, bytes))
        return describeFileWriteError(*failed, list);
    return std::nullopt;
}

} // namespace vatro::library
