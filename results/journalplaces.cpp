#include "journalplaces.h"

#include "quiz/textcodec.h"
#include "settings/userfolders.h"

#include <unistd.h>

namespace vatro {

namespace {

constexpr std::size_t MaxComputerName = 40;

std::u16string hostName() {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return {};
    std::string_view name(host);
    name = name.substr(0, name.find('.'));
    return isValidUtf8(name) ? utf8ToUtf16(name) : std::u16string();
}

// A name that goes into a file name on any file system, a Windows share's included.
std::u16string fileNamePart(std::u16string name) {
    for (char16_t& c : name) {
        if (c < 0x20 || c == 0x7F || std::u16string_view(u"/\\:*?\"<>|").find(c) != name.npos)
            c = u'_';
    }
    const auto end = name.find_last_not_of(u" .");
    name.erase(end == name.npos ? 0 : end + 1);
    name.erase(0, name.find_first_not_of(u" ."));
    if (name.size() > MaxComputerName) {
        name.resize(MaxComputerName);
        if (name.back() >= 0xD800 && name.back() <= 0xDBFF)
            name.pop_back(); // half a character
    }
    return name;
}

} // namespace

std::vector<std::filesystem::path> journalFolders(const Settings& settings) {
    std::vector<std::filesystem::path> folders;
    if (settings.journalFolder)
        folders.push_back(*settings.journalFolder);
    else if (const auto home = homeFolder())
        folders.push_back(*home / pathFromUtf8("Ватро") / pathFromUtf8("Журнал"));
    if (const auto data = dataHome()) {
        const auto local = *data / "vatro" / pathFromUtf8("Журнал");
        if (folders.empty() || folders.front() != local)
            folders.push_back(local);
    }
    return folders;
}

std::u16string computerName(const Settings& settings) {
    std::u16string name =
        fileNamePart(settings.computerName.empty() ? hostName() : settings.computerName);
    return name.empty() ? u"компьютер" : name;
}

} // namespace vatro
