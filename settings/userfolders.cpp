#include "userfolders.h"

#include <cstdlib>
#include <pwd.h>
#include <string_view>
#include <unistd.h>

namespace vatro {

namespace {

// An environment variable that names an absolute path; relative ones are ignored, as the
// XDG rules ask.
std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || *value != '/')
        return std::nullopt;
    return std::filesystem::path(value);
}

std::optional<std::filesystem::path> under(const char* variable, const char* inHome) {
    if (auto set = absoluteFromEnvironment(variable))
        return set;
    if (auto home = homeFolder())
        return *home / inHome;
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> homeFolder() {
    // The root of the file system is no home to keep files in.
    if (auto home = absoluteFromEnvironment("HOME"))
        return *home == "/" ? std::nullopt : home;
    passwd entry{};
    passwd* found = nullptr;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<std::size_t>(size) : 16384, '\0');
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/' || std::string_view(found->pw_dir) == "/")
        return std::nullopt;
    return std::filesystem::path(found->pw_dir);
}

std::optional<std::filesystem::path> configHome() {
    return under("XDG_CONFIG_HOME", ".config");
}

std::vector<std::filesystem::path> configDirs() {
    std::vector<std::filesystem::path> dirs;
    const char* value = std::getenv("XDG_CONFIG_DIRS");
    std::string_view list = value && *value ? value : "/etc/xdg";
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        const std::string_view dir = list.substr(0, colon);
        if (!dir.empty() && dir.front() == '/')
            dirs.emplace_back(dir);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return dirs;
}

std::optional<std::filesystem::path> dataHome() {
    return under("XDG_DATA_HOME", ".local/share");
}

std::optional<std::filesystem::path> stateHome() {
    return under("XDG_STATE_HOME", ".local/state");
}

} // namespace vatro
