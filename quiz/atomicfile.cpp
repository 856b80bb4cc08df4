#include "atomicfile.h"

#include "textcodec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace vatro {

namespace {

FileWriteError systemError(int error) {
    using Kind = FileWriteError::Kind;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {Kind::NoFolder, error};
    case EACCES:
    case EPERM:
    case EROFS:
        return {Kind::NoPermission, error};
    case ENOSPC:
    case EDQUOT:
        return {Kind::DiskFull, error};
    case EEXIST:
        return {Kind::AlreadyExists, error};
    case ELOOP:
    case EISDIR:
        return {Kind::NotAPlainFile, error};
    default:
        return {Kind::Failed, error};
    }
}

std::string nameOf(const std::filesystem::path& file) {
    return file.filename().string();
}

// A name no other writer picks at the same moment: the process, a counter and the clock.
std::string tempNameFor(const std::string& name, unsigned attempt) {
    static unsigned counter = 0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%ld-%u-%ld.tmp", static_cast<long>(getpid()),
                  ++counter + attempt, static_cast<long>(now.tv_nsec));
    return "." + name + suffix;
}

// Whatever has the name now, without following a symlink: nullopt when nothing does.
std::optional<struct stat> entryAt(int folder, const std::string& name, int& error) {
    struct stat info {};
    if (fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return info;
    error = errno;
    return std::nullopt;
}

std::optional<FileWriteError> writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path file) : m_file(std::move(file)) {}

AtomicFile::~AtomicFile() {
    discard();
    if (m_folder >= 0)
        close(m_folder);
}

void AtomicFile::discard() {
    if (!m_tempName.empty())
        unlinkat(m_folder, m_tempName.c_str(), 0);
    m_tempName.clear();
}

std::optional<FileWriteError> AtomicFile::write(std::string_view bytes) {
    using Kind = FileWriteError::Kind;
    discard();
    if (m_folder < 0) {
        const std::filesystem::path folder =
            m_file.has_parent_path() ? m_file.parent_path() : std::filesystem::path(".");
        m_folder = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_folder < 0)
            return systemError(errno);
    }
    const std::string name = nameOf(m_file);
    int error = 0;
    const std::optional<struct stat> old = entryAt(m_folder, name, error);
    if (old && !S_ISREG(old->st_mode))
        return FileWriteError{Kind::NotAPlainFile, 0};
    if (!old && error != ENOENT)
        return systemError(error);

    int fd = -1;
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        m_tempName = tempNameFor(name, attempt);
        fd = openat(m_folder, m_tempName.c_str(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const FileWriteError problem = systemError(errno);
        m_tempName.clear();
        return problem;
    }
    // A replaced file keeps who may read it.
    if (old)
        fchmod(fd, old->st_mode & 07777);
    std::optional<FileWriteError> problem = writeAll(fd, bytes);
    if (!problem && fdatasync(fd) != 0)
        problem = systemError(errno);
    if (close(fd) != 0 && !problem)
        problem = systemError(errno);
    if (problem)
        discard();
    return problem;
}

std::optional<FileWriteError> AtomicFile::commit(WriteMode mode) {
    using Kind = FileWriteError::Kind;
    if (m_tempName.empty())
        return FileWriteError{Kind::Failed, 0};
    const std::string name = nameOf(m_file);
    int error = 0;
    const std::optional<struct stat> now = entryAt(m_folder, name, error);
    if (now && !S_ISREG(now->st_mode)) {
        discard();
        return FileWriteError{Kind::NotAPlainFile, 0};
    }
    int result = 0;
    if (mode == WriteMode::CreateNew) {
        result = renameat2(m_folder, m_tempName.c_str(), m_folder, name.c_str(), RENAME_NOREPLACE);
        // A file system without the exclusive rename: look, then rename.
        if (result != 0 && errno == EINVAL) {
            if (entryAt(m_folder, name, error)) {
                discard();
                return FileWriteError{Kind::AlreadyExists, EEXIST};
            }
            result = renameat(m_folder, m_tempName.c_str(), m_folder, name.c_str());
        }
    } else {
        result = renameat(m_folder, m_tempName.c_str(), m_folder, name.c_str());
    }
    if (result != 0) {
        const FileWriteError problem = systemError(errno);
        discard();
        return problem;
    }
    m_tempName.clear();
    // The new name is on disk only once the folder is; some file systems cannot sync a
    // folder, and the file is whole either way.
    fsync(m_folder);
    return std::nullopt;
}

std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& file,
                                                  std::string_view bytes, WriteMode mode) {
    AtomicFile atomic(file);
    if (auto problem = atomic.write(bytes))
        return problem;
    return atomic.commit(mode);
}

std::u16string describeFileWriteError(const FileWriteError& error,
                                      const std::filesystem::path& file) {
    using Kind = FileWriteError::Kind;
    const std::u16string head = u"Не удалось записать файл «" + displayPath(file) + u"»: ";
    const std::u16string folder = displayPath(file.parent_path());
    switch (error.kind) {
    case Kind::NoFolder:
        return head + u"папки «" + folder + u"» нет или это не папка.";
    case Kind::NotAPlainFile:
        return head + u"под этим именем уже есть папка, ссылка или устройство.";
    case Kind::AlreadyExists:
        return head + u"файл с таким именем уже есть.";
    case Kind::NoPermission:
        return head + u"нет права записи в папку «" + folder + u"».";
    case Kind::DiskFull:
        return head + u"на диске нет места.";
    case Kind::Failed:
        break;
    }
    if (error.systemError == 0)
        return head + u"ошибка системы.";
    return head + u"ошибка системы (" + utf8ToUtf16(std::strerror(error.systemError)) + u").";
}

} // namespace vatro
