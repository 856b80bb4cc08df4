#include "atomicfile.h"

#include "textcodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vatro {

namespace {

FileWriteError failure(const std::filesystem::path& path, int error) {
    FileWriteError result;
    result.path = path;
    result.error = error;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        result.kind = FileWriteError::Kind::ReadOnly;
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        result.kind = FileWriteError::Kind::NoSpace;
        break;
    case ELOOP:
    case EISDIR:
        result.kind = FileWriteError::Kind::NotRegular;
        break;
    default:
        result.kind = FileWriteError::Kind::Other;
    }
    return result;
}

// Nothing but a regular file of that name, or no file at all, may be replaced.
std::optional<FileWriteError> checkReplaceable(const std::filesystem::path& target) {
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return failure(target, errno);
    }
    if (!S_ISREG(status.st_mode))
        return FileWriteError{FileWriteError::Kind::NotRegular, target, 0};
    return std::nullopt;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

// The rename is only lasting once the folder itself is on disk.
void syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::u16string quoted(const std::filesystem::path& path) {
    return u"«" + displayPath(path.filename()) + u"»";
}

} // namespace

std::u16string describeWriteError(const FileWriteError& error) {
    const std::u16string file = quoted(error.path);
    switch (error.kind) {
    case FileWriteError::Kind::ReadOnly:
        return u"Не удалось записать файл " + file + u": в папку «" +
               displayPath(error.path.parent_path()) +
               u"» нельзя писать (нет прав на запись или диск только для чтения).";
    case FileWriteError::Kind::NoSpace:
        return u"Не удалось записать файл " + file + u": на диске не хватает места.";
    case FileWriteError::Kind::NotRegular:
        return u"Файл " + file +
               u" — не обычный файл (ссылка, канал или папка), и через него ничего не "
               u"записывается. Замените его обычным файлом.";
    case FileWriteError::Kind::ChangedOnDisk:
        return u"Файл " + file +
               u" изменился на диске после того, как его открыли: его переписала другая "
               u"программа. Чтобы не потерять те изменения, откройте папку заново.";
    case FileWriteError::Kind::Other:
        break;
    }
    return u"Не удалось записать файл " + file + u" (" + utf8ToUtf16(std::strerror(error.error)) +
           u").";
}

std::filesystem::path backupPath(const std::filesystem::path& target) {
    std::filesystem::path backup = target;
    backup += ".bak";
    return backup;
}

std::optional<FileWriteError> StagedFile::stage(const std::filesystem::path& target,
                                                std::string_view bytes, StagedFile& staged) {
    staged.discard();
    if (auto error = checkReplaceable(target))
        return error;
    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    static std::mt19937 names{std::random_device{}()};
    int fd = -1;
    std::filesystem::path temporary;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target.parent_path() /
                    ("." + target.filename().string() + ".tmp" + std::to_string(names() % 1000000));
        // O_EXCL and O_NOFOLLOW: a name someone else planted is never opened.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return failure(target, errno);
    }
    if (fd < 0)
        return failure(target, EEXIST);
    staged.m_target = target;
    staged.m_temporary = temporary;
    int error = 0;
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && !writeAll(fd, bytes))
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        staged.discard();
        return failure(target, error);
    }
    return std::nullopt;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : m_target(std::move(other.m_target)), m_temporary(std::exchange(other.m_temporary, {})) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        discard();
        m_target = std::move(other.m_target);
        m_temporary = std::exchange(other.m_temporary, {});
    }
    return *this;
}

StagedFile::~StagedFile() {
    discard();
}

std::optional<FileWriteError> StagedFile::commit() {
    if (m_temporary.empty())
        return FileWriteError{FileWriteError::Kind::Other, m_target, ENOENT};
    // The name may have been taken by a link or FIFO since the file was staged.
    if (auto error = checkReplaceable(m_target)) {
        discard();
        return error;
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        discard();
        return failure(m_target, error);
    }
    m_temporary.clear();
    syncFolder(m_target.parent_path());
    return std::nullopt;
}

void StagedFile::discard() {
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

std::optional<FileWriteError> readRegularFile(const std::filesystem::path& path,
                                              std::optional<std::string>& bytes) {
    bytes.reset();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        return failure(path, errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return FileWriteError{FileWriteError::Kind::NotRegular, path, 0};
    }
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return failure(path, error);
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    bytes = std::move(content);
    return std::nullopt;
}

std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& target,
                                                  std::string_view bytes, bool keepBackup) {
    if (auto error = checkReplaceable(target))
        return error;
    StagedFile staged;
    if (auto error = StagedFile::stage(target, bytes, staged))
        return error;
    if (keepBackup) {
        std::optional<std::string> old;
        if (auto error = readRegularFile(target, old))
            return error;
        if (old) {
            StagedFile backup;
            if (auto error = StagedFile::stage(backupPath(target), *old, backup))
                return error;
            if (auto error = backup.commit())
                return error;
        }
    }
    return staged.commit();
}

} // namespace vatro
