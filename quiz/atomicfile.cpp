#include "atomicfile.h"

#include "temporaryfiles.h"
#include "textcodec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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
    case EFBIG:
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

// Whether a nameless file can be given a name by its descriptor: through /proc, which
// needs no privilege.
bool canLinkDescriptors() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
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

AtomicFile::AtomicFile(std::filesystem::path file)
    : m_file(std::move(file)), m_name(nameOf(m_file)) {}

AtomicFile::AtomicFile(int folder, std::string name) : m_name(std::move(name)) {
    m_folder = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    m_folderError = m_folder < 0 ? errno : 0;
}

AtomicFile::~AtomicFile() {
    discard();
    if (m_folder >= 0)
        close(m_folder);
}

void AtomicFile::discard() {
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    // A share gone for a moment keeps the file, and may say it has none; it goes with the
    // next clean-up there.
    if (!m_tempName.empty() && unlinkat(m_folder, m_tempName.c_str(), 0) != 0)
        rememberLeftover(m_folder, m_tempName);
    m_tempName.clear();
}

std::optional<FileWriteError> AtomicFile::openFolder() {
    if (m_folder >= 0)
        return std::nullopt;
    if (m_folderError != 0)
        return systemError(m_folderError);
    const std::filesystem::path folder =
        m_file.has_parent_path() ? m_file.parent_path() : std::filesystem::path(".");
    m_folder = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        return systemError(errno);
    return std::nullopt;
}

std::optional<FileWriteError> AtomicFile::createTemporary(bool anonymous, mode_t mode) {
    if (anonymous) {
        m_fd = openat(m_folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    } else {
        for (unsigned attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
            m_tempName = temporaryNameFor(m_name);
            m_fd = openat(m_folder, m_tempName.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
    }
    if (m_fd < 0) {
        const FileWriteError problem = systemError(errno);
        // A network share may have made the file before the request failed.
        if (!m_tempName.empty() && errno != EEXIST)
            rememberLeftover(m_folder, m_tempName);
        m_tempName.clear();
        return problem;
    }
    // A replaced file keeps who may read it.
    if (mode != 0)
        fchmod(m_fd, mode);
    return std::nullopt;
}

std::optional<FileWriteError> AtomicFile::write(std::string_view bytes) {
    using Kind = FileWriteError::Kind;
    discard();
    if (auto problem = openFolder())
        return problem;
    int error = 0;
    const std::optional<struct stat> old = entryAt(m_folder, m_name, error);
    if (old && !S_ISREG(old->st_mode))
        return FileWriteError{Kind::NotAPlainFile, 0};
    if (!old && error != ENOENT)
        return systemError(error);

    const mode_t mode = old ? old->st_mode & 07777 : 0;
    // Where the file system has no nameless files, a named one does.
    if (!canLinkDescriptors() || createTemporary(true, mode)) {
        if (auto problem = createTemporary(false, mode))
            return problem;
    }
    std::optional<FileWriteError> problem = writeAll(m_fd, bytes);
    if (!problem && fdatasync(m_fd) != 0)
        problem = systemError(errno);
    // The named file is complete; the nameless one stays open until it gets its name.
    if (!problem && !m_tempName.empty()) {
        const int fd = std::exchange(m_fd, -1);
        if (close(fd) != 0)
            problem = systemError(errno);
    }
    if (problem)
        discard();
    return problem;
}

bool AtomicFile::linkAs(const std::string& name) {
    char opened[64];
    std::snprintf(opened, sizeof opened, "/proc/self/fd/%d", m_fd);
    if (linkat(AT_FDCWD, opened, m_folder, name.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    close(std::exchange(m_fd, -1));
    return true;
}

std::optional<FileWriteError> AtomicFile::createExclusively(const std::string& name) {
    using Kind = FileWriteError::Kind;
    if (m_fd >= 0) {
        if (linkAs(name))
            return std::nullopt;
        return systemError(errno);
    }
    if (renameat2(m_folder, m_tempName.c_str(), m_folder, name.c_str(), RENAME_NOREPLACE) == 0) {
        m_tempName.clear();
        return std::nullopt;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return systemError(errno);
    // No exclusive rename here: a second name for the file is exclusive too.
    if (linkat(m_folder, m_tempName.c_str(), m_folder, name.c_str(), 0) == 0) {
        discard();
        return std::nullopt;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS && errno != EMLINK)
        return systemError(errno);
    // Nor links (a network share): only one writer can create the name as an empty file,
    // and it then renames the contents over its own file.
    const int held =
        openat(m_folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (held < 0) {
        FileWriteError problem = systemError(errno);
        // A share gone in the middle of the request may have made the file all the same.
        problem.mayHoldName = problem.kind != Kind::AlreadyExists;
        return problem;
    }
    close(held);
    if (renameat(m_folder, m_tempName.c_str(), m_folder, name.c_str()) == 0) {
        m_tempName.clear();
        return std::nullopt;
    }
    FileWriteError problem = systemError(errno);
    if (problem.kind == Kind::AlreadyExists)
        problem.kind = Kind::Failed; // the name is ours: something else went wrong
    if (unlinkat(m_folder, name.c_str(), 0) != 0 && errno != ENOENT)
        problem.mayHoldName = true;
    return problem;
}

std::optional<FileWriteError> AtomicFile::commit(WriteMode mode) {
    using Kind = FileWriteError::Kind;
    if (m_fd < 0 && m_tempName.empty())
        return FileWriteError{Kind::Failed, 0};
    int error = 0;
    const std::optional<struct stat> now = entryAt(m_folder, m_name, error);
    if (now && !S_ISREG(now->st_mode)) {
        discard();
        return FileWriteError{Kind::NotAPlainFile, 0};
    }
    std::optional<FileWriteError> problem;
    if (mode == WriteMode::CreateNew) {
        problem = createExclusively(m_name);
    } else {
        // A nameless file gets a temporary name first: a link cannot replace a file.
        if (m_fd >= 0) {
            m_tempName = temporaryNameFor(m_name);
            if (!linkAs(m_tempName)) {
                problem = systemError(errno);
                m_tempName.clear();
            }
        }
        if (!problem && renameat(m_folder, m_tempName.c_str(), m_folder, m_name.c_str()) != 0)
            problem = systemError(errno);
        if (!problem)
            m_tempName.clear();
    }
    if (problem) {
        discard();
        return problem;
    }
    // The new name is on disk only once the folder is; some file systems cannot sync a
    // folder, and the file is whole either way.
    fsync(m_folder);
    removeStaleTemporaries(m_folder);
    return std::nullopt;
}

namespace {
std::optional<FileWriteError> writeAndCommit(AtomicFile& atomic, std::string_view bytes,
                                             WriteMode mode) {
    if (auto problem = atomic.write(bytes))
        return problem;
    return atomic.commit(mode);
}
} // namespace

std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& file,
                                                  std::string_view bytes, WriteMode mode) {
    AtomicFile atomic(file);
    return writeAndCommit(atomic, bytes, mode);
}

std::optional<FileWriteError> writeFileAtomicallyAt(int folder, const std::string& name,
                                                    std::string_view bytes, WriteMode mode) {
    AtomicFile atomic(folder, name);
    return writeAndCommit(atomic, bytes, mode);
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
    // A network share gone, or a disk pulled out.
    if (error.systemError == EIO || error.systemError == ENOTCONN ||
        error.systemError == ETIMEDOUT || error.systemError == EHOSTUNREACH ||
        error.systemError == ENETUNREACH || error.systemError == ESTALE)
        return head + u"нет связи с диском или сервером папки «" + folder + u"».";
    if (error.systemError == 0)
        return head + u"ошибка системы.";
    return head + u"ошибка системы (" + utf8ToUtf16(std::strerror(error.systemError)) + u").";
}

} // namespace vatro
