#include "classjournal.h"

#include "journalformat.h"
#include "quiz/textcodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vatro {

namespace {

namespace fs = std::filesystem;

// Why a folder could not be made or opened, in a few Russian words.
std::u16string whyNotMade(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return u"нет права её создать";
    if (error == std::errc::read_only_file_system)
        return u"диск открыт только для чтения";
    if (error == std::errc::no_space_on_device)
        return u"на диске нет места";
    if (error == std::errc::not_a_directory || error == std::errc::file_exists)
        return u"на её пути стоит файл";
    if (error == std::errc::io_error || error == std::errc::not_connected ||
        error == std::errc::timed_out || error == std::errc::host_unreachable ||
        error == std::errc::network_unreachable)
        return u"нет связи с диском или сервером, на котором она лежит";
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
    : m_store([](int folder, const fs::path& file, std::string_view bytes, WriteMode mode) {
          return writeFileAtomicallyAt(folder, file.filename().string(), bytes, mode);
      }) {}

ClassJournal::~ClassJournal() {
    for (Place& place : m_places)
        close(place);
}

void ClassJournal::begin(std::vector<fs::path> folders, const LocalDateTime& started,
                         std::u16string computer) {
    for (Place& place : m_places)
        close(place);
    m_places.clear();
    for (fs::path& folder : folders)
        m_places.push_back({std::move(folder), -1, {}, {}});
    m_started = started;
    m_computer = std::move(computer);
    m_file.clear();
    m_told = Told::Nothing;
}

std::optional<std::u16string> ClassJournal::write(std::string_view bytes) {
    if (m_places.empty())
        return std::nullopt;
    std::vector<std::u16string> problems;
    for (std::size_t at = 0; at < m_places.size(); ++at) {
        if (auto problem = writeIn(m_places[at], bytes)) {
            problems.push_back(std::move(*problem));
            continue;
        }
        for (std::size_t later = at + 1; later < m_places.size(); ++later)
            removeCopy(m_places[later]);
        if (at == 0) {
            m_told = Told::Nothing;
            return std::nullopt;
        }
        if (m_told == Told::Moved)
            return std::nullopt;
        m_told = Told::Moved;
        return u"Журнал класса пока пишется в файл «" + displayPath(m_file) + u"». " +
               joined(problems) + u" Когда папка «" + displayPath(m_places.front().folder) +
               u"» снова будет доступна, игра запишет туда весь журнал.";
    }
    if (m_told == Told::NotKept)
        return std::nullopt;
    m_told = Told::NotKept;
    return u"Журнал класса не ведётся. " + joined(problems) +
           u" Игра продолжается, результаты видны в меню «Рейтинг».";
}

std::optional<std::u16string> ClassJournal::writeIn(Place& place, std::string_view bytes) {
    if (auto problem = open(place))
        return problem;
    if (!place.maybeHeld.empty()) {
        struct stat held {};
        if (::fstatat(place.fd, place.maybeHeld.c_str(), &held, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(held.st_mode) && held.st_size == 0)
            place.name = place.maybeHeld;
        place.maybeHeld.clear();
    }
    if (place.name.empty())
        return createIn(place, bytes);
    const fs::path file = place.folder / pathFromUtf8(place.name);
    if (const auto failed = m_store(place.fd, file, bytes, WriteMode::Replace)) {
        close(place);
        return describeFileWriteError(*failed, file);
    }
    m_file = file;
    return std::nullopt;
}

std::optional<std::u16string> ClassJournal::open(Place& place) {
    if (place.fd >= 0)
        return std::nullopt;
    std::error_code made;
    fs::create_directories(place.folder, made);
    place.fd = ::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (place.fd >= 0)
        return std::nullopt;
    const int error = errno;
    const std::u16string shown = displayPath(place.folder);
    // A link could lead the journal anywhere; it is written only where the folder really is.
    if (error == ELOOP)
        return u"Папка журнала «" + shown + u"» — ссылка на другое место.";
    std::error_code looked;
    if (error == ENOTDIR && fs::is_regular_file(fs::symlink_status(place.folder, looked)))
        return u"«" + shown + u"» — не папка, а файл.";
    return u"Не удалось создать папку журнала «" + shown + u"»: " +
           whyNotMade(made ? made : std::error_code(error, std::generic_category())) + u".";
}

std::optional<std::u16string> ClassJournal::createIn(Place& place, std::string_view bytes) {
    // Runs started in the same minute on computers of the same name get names of their own;
    // the name is taken exclusively, also on a network share.
    for (int copy = 1; copy <= 100; ++copy) {
        const std::string name = journal::fileName(m_started, m_computer, copy);
        struct stat taken {};
        if (::fstatat(place.fd, name.c_str(), &taken, AT_SYMLINK_NOFOLLOW) == 0)
            continue;
        const fs::path file = place.folder / pathFromUtf8(name);
        const std::optional<FileWriteError> problem =
            m_store(place.fd, file, bytes, WriteMode::CreateNew);
        if (!problem) {
            place.name = name;
            m_file = file;
            return std::nullopt;
        }
        if (problem->mayHoldName)
            place.maybeHeld = name;
        if (problem->kind != FileWriteError::Kind::AlreadyExists) {
            close(place);
            return describeFileWriteError(*problem, file);
        }
    }
    return u"В папке «" + displayPath(place.folder) + u"» заняты все имена журнала этой минуты.";
}

void ClassJournal::close(Place& place) {
    if (place.fd >= 0)
        ::close(place.fd);
    place.fd = -1;
}

void ClassJournal::removeCopy(Place& place) {
    if (!place.name.empty() && place.fd >= 0)
        ::unlinkat(place.fd, place.name.c_str(), 0);
    place.name.clear();
}

} // namespace vatro
