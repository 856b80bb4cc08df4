#include "temporaryfiles.h"

#include "safefile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace vatro {

namespace {

constexpr std::string_view Suffix = ".tmp";
constexpr std::size_t MachineDigits = 8;
constexpr time_t StaleAfterSeconds = 10 * 60;

bool isLowerHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// This boot of this computer: a process id means something only there, and only until the
// computer restarts. All zeros when the system does not say.
const std::string& machineTag() {
    static const std::string tag = [] {
        const SafeRead id = readFileSafely("/proc/sys/kernel/random/boot_id", 64);
        std::string digits;
        for (const char c : id.bytes) {
            if (isLowerHex(c) && digits.size() < MachineDigits)
                digits += c;
        }
        return digits.size() == MachineDigits ? digits : std::string(MachineDigits, '0');
    }();
    return tag;
}

bool machineKnown(std::string_view tag) {
    return tag != std::string(MachineDigits, '0');
}

struct Registry {
    std::mutex mutex;
    // By folderKey(); each with when it was left.
    std::map<std::string, std::map<std::string, std::chrono::steady_clock::time_point>> leftovers;
    std::set<std::string> looked; // folders cleaned once already, as folderKey() names them
};

Registry& registry() {
    static Registry shared;
    return shared;
}

// A folder by the path its descriptor leads to, which the system knows without asking the
// file system. A network share gone for a moment has the system call its folders deleted;
// opened again by their path, they are the same folders.
std::string folderKey(int folder) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", folder);
    char path[4096];
    const ssize_t length = ::readlink(link, path, sizeof path);
    std::string key(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    constexpr std::string_view Deleted = " (deleted)";
    if (key.ends_with(Deleted))
        key.resize(key.size() - Deleted.size());
    return key;
}

struct Writer {
    std::string_view machine;
    long process = 0;
};

// Who wrote a temporary file, read from its name; none when the name is not of our pattern.
std::optional<Writer> writerOf(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(Suffix))
        return std::nullopt;
    name.remove_suffix(Suffix.size());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return std::nullopt;
    const std::string_view tail = name.substr(dot + 1);
    if (tail.size() < MachineDigits + 4 || tail[MachineDigits] != '-')
        return std::nullopt;
    Writer writer{tail.substr(0, MachineDigits)};
    for (const char c : writer.machine) {
        if (!isLowerHex(c))
            return std::nullopt;
    }
    const char* const end = tail.data() + tail.size();
    const auto process = std::from_chars(tail.data() + MachineDigits + 1, end, writer.process);
    if (process.ec != std::errc() || process.ptr == end || *process.ptr != '-')
        return std::nullopt;
    unsigned long number = 0;
    const auto counted = std::from_chars(process.ptr + 1, end, number);
    if (counted.ec != std::errc() || counted.ptr != end)
        return std::nullopt;
    return writer;
}

// Another process's temporary that its writer will never finish.
bool isStale(int folder, const std::string& name, const Writer& writer, time_t now) {
    if (writer.machine == machineTag() && machineKnown(writer.machine)) {
        if (writer.process == ::getpid())
            return false; // ours: another thread may be writing it
        if (::kill(static_cast<pid_t>(writer.process), 0) != 0 && errno == ESRCH)
            return true;
    }
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
        return false;
    return now - info.st_mtime > StaleAfterSeconds;
}

// What killed writers of other processes left; once per folder and process.
void removeOthersStale(int folder) {
    // A descriptor of its own: reading a folder moves the descriptor's position.
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* const dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (const auto writer = writerOf(name);
            writer && isStale(folder, name, *writer, now.tv_sec))
            stale.push_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : stale)
        ::unlinkat(folder, name.c_str(), 0);
}

} // namespace

std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned long> counter{0};
    return "." + target + "." + machineTag() + "-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1, std::memory_order_relaxed)) + std::string(Suffix);
}

void rememberLeftover(int folder, const std::string& name) {
    const std::string key = folderKey(folder);
    const std::lock_guard lock(registry().mutex);
    registry().leftovers[key].emplace(name, std::chrono::steady_clock::now());
}

void removeStaleTemporaries(int folder) {
    const std::string key = folderKey(folder);
    if (key.empty())
        return;
    std::map<std::string, std::chrono::steady_clock::time_point> leftovers;
    bool first = false;
    {
        const std::lock_guard lock(registry().mutex);
        first = registry().looked.insert(key).second;
        leftovers = registry().leftovers[key];
    }
    // This process's own are removed by name: a share's listing may lag behind. A share that
    // has just come back may also still say "no such file" for a while of what it has.
    const auto settled = std::chrono::steady_clock::now() - std::chrono::seconds(10);
    std::set<std::string> gone;
    for (const auto& [name, left] : leftovers) {
        if (::unlinkat(folder, name.c_str(), 0) == 0 || (errno == ENOENT && left < settled))
            gone.insert(name);
    }
    if (!gone.empty()) {
        const std::lock_guard lock(registry().mutex);
        for (const std::string& name : gone)
            registry().leftovers[key].erase(name);
    }
    if (first)
        removeOthersStale(folder);
}

} // namespace vatro
