#include "filefaults.h"

#include "quiz/textcodec.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace vatro::testing {

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The same text as Windows Notepad saves "Юникод".
std::string asUtf16(const std::string& bytes) {
    std::string utf16 = "\xFF\xFE";
    for (char16_t c : decodeTextFile(bytes).text)
        utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return utf16;
}

} // namespace

FileFaults::FileFaults(const fs::path& quiz) {
    std::string pattern = (fs::temp_directory_path() / "vatro-faults-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a folder for the faults");
    m_folder = pattern;
    for (const auto& entry : fs::directory_iterator(quiz)) {
        std::ifstream in(entry.path(), std::ios::binary);
        m_files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    restoreAll();
}

FileFaults::~FileFaults() {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

void FileFaults::restore(const std::string& name) {
    const fs::path path = m_folder / name;
    std::error_code ignored;
    fs::remove_all(path, ignored);
    writeFile(path, m_files.at(name));
}

void FileFaults::restoreAll() {
    std::error_code ignored;
    fs::create_directories(m_folder, ignored);
    for (const auto& [name, bytes] : m_files)
        restore(name);
    m_nameless = false;
    m_broken = false;
}

std::string FileFaults::strike(std::mt19937_64& random) {
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto file = m_files.begin();
    std::advance(file, pick(0, static_cast<int>(m_files.size()) - 1));
    const std::string& name = file->first;
    const fs::path path = m_folder / name;
    std::error_code ignored;
    const int roll = pick(0, 19);
    // Half of the rolls mend what was broken, so that the class gets to play between faults.
    if (roll < 6) {
        restore(name);
        return "repair " + name;
    }
    if (roll < 10) {
        restoreAll();
        return "folder put back whole";
    }
    ++m_faults;
    m_broken = true;
    switch (roll) {
    case 10:
        fs::remove_all(path, ignored);
        return "delete " + name;
    case 11:
        fs::remove_all(path, ignored);
        fs::create_directory(path, ignored);
        return "folder in place of " + name;
    case 12: {
        const std::size_t size = file->second.size();
        fs::resize_file(path, static_cast<std::uintmax_t>(pick(0, static_cast<int>(size))),
                        ignored);
        return "truncate " + name;
    }
    case 13:
        fs::permissions(path, fs::perms::none, ignored);
        return "unreadable " + name;
    case 14:
        fs::remove_all(path, ignored);
        fs::create_symlink(name, path, ignored);
        return "link to itself in place of " + name;
    case 15:
        fs::remove_all(path, ignored);
        writeFile(path, asUtf16(file->second));
        return name + " saved as UTF-16";
    case 16:
        fs::remove_all(path, ignored);
        writeFile(path, file->second.substr(0, file->second.size() / 2) + std::string(64, '\0'));
        return name + " cut short by a full disk";
    case 17:
        fs::remove_all(m_folder, ignored);
        return "folder removed";
    case 18:
        m_nameless = true;
        return "folder replaced by a new one of its name";
    default:
        m_nameless = false;
        restoreAll();
        return "folder renamed back";
    }
}

} // namespace vatro::testing
