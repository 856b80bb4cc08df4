#include "classjournal.h"

#include "quiz/textcodec.h"

#include <cstdio>
#include <system_error>

namespace vatro {

namespace {

namespace fs = std::filesystem;

// Why a folder could not be made, in a few Russian words.
std::u16string whyNotMade(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return u"нет права её создать";
    if (error == std::errc::read_only_file_system)
        return u"диск открыт только для чтения";
    if (error == std::errc::no_space_on_device)
        return u"на диске нет места";
    if (error == std::errc::not_a_directory || error == std::errc::file_exists)
        return u"на её пути стоит файл";
    return utf8ToUtf16(error.message());
}

std::u16string joined(const std::vector<std::u16string>& sentences) {
    std::u16string text;
    for (const std::u16string& sentence : sentences)
        text += (text.empty() ? u"" : u" ") + sentence;
    return text;
}

} // namespace

ClassJournal::ClassJournal()
    : m_store([](const fs::path& file, std::string_view bytes, WriteMode mode) {
          return writeFileAtomically(file, bytes, mode);
      }) {}

void ClassJournal::begin(std::vector<fs::path> folders, const LocalDateTime& started) {
    m_folders = std::move(folders);
    m_started = started;
    m_file.clear();
}

std::optional<std::u16string> ClassJournal::write(std::string_view bytes) {
    if (m_folders.empty())
        return std::nullopt;
    std::vector<std::u16string> problems;
    fs::path failedFolder;
    if (!m_file.empty()) {
        // The folder is looked at again: a link put in its place must not lead the file away.
        std::optional<std::u16string> problem = prepareFolder(m_file.parent_path());
        if (!problem) {
            const auto failed = m_store(m_file, bytes, WriteMode::Replace);
            if (!failed) {
                m_told = false;
                return std::nullopt;
            }
            problem = describeFileWriteError(*failed, m_file);
        }
        problems.push_back(*problem);
        failedFolder = m_file.parent_path();
    }
    for (const fs::path& folder : m_folders) {
        if (folder == failedFolder)
            continue;
        std::optional<std::u16string> problem = prepareFolder(folder);
        if (!problem)
            problem = createIn(folder, bytes);
        if (problem) {
            problems.push_back(*problem);
            continue;
        }
        m_told = false;
        // The first file goes quietly to the next folder; a journal that moves in the middle
        // of a lesson is told, or the teacher would read a stale file.
        if (failedFolder.empty())
            return std::nullopt;
        return u"Журнал класса теперь пишется в файл «" + displayPath(m_file) + u"». " +
               joined(problems);
    }
    if (m_told)
        return std::nullopt;
    m_told = true;
    return u"Журнал класса не ведётся. " + joined(problems) +
           u" Игра продолжается, результаты видны в меню «Рейтинг».";
}

std::optional<std::u16string> ClassJournal::prepareFolder(const fs::path& folder) const {
    std::error_code made;
    fs::create_directories(folder, made);
    std::error_code looked;
    const fs::file_status status = fs::symlink_status(folder, looked);
    // A link could lead the journal anywhere; it is written only where the folder really is.
    if (fs::is_symlink(status))
        return u"Папка журнала «" + displayPath(folder) + u"» — ссылка на другое место.";
    if (looked || !fs::exists(status))
        return u"Не удалось создать папку журнала «" + displayPath(folder) + u"»: " +
               whyNotMade(made ? made : looked) + u".";
    if (!fs::is_directory(status))
        return u"«" + displayPath(folder) + u"» — не папка, а файл.";
    return std::nullopt;
}

std::optional<std::u16string> ClassJournal::createIn(const fs::path& folder,
                                                     std::string_view bytes) {
    // Two runs, or a "Сброс", within one minute get names of their own.
    for (int copy = 1; copy <= 100; ++copy) {
        const fs::path file = folder / fileName(copy);
        std::error_code looked;
        if (fs::symlink_status(file, looked).type() != fs::file_type::not_found)
            continue;
        const std::optional<FileWriteError> problem = m_store(file, bytes, WriteMode::CreateNew);
        if (!problem) {
            m_file = file;
            return std::nullopt;
        }
        if (problem->kind != FileWriteError::Kind::AlreadyExists)
            return describeFileWriteError(*problem, file);
    }
    return u"В папке «" + displayPath(folder) + u"» заняты все имена журнала этой минуты.";
}

fs::path ClassJournal::fileName(int copy) const {
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d %02d-%02d", m_started.year, m_started.month,
                  m_started.day, m_started.hour, m_started.minute);
    std::string text = name;
    if (copy > 1)
        text += " (" + std::to_string(copy) + ")";
    return pathFromUtf8(text + ".csv");
}

} // namespace vatro
