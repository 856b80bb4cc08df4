#include "safefile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vatro {

namespace {

SafeRead readOpened(int fd, std::uintmax_t maxBytes) {
    SafeRead file;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        file.status = SafeRead::Status::Unreadable;
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.status = SafeRead::Status::NotRegular;
        return file;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        file.status = SafeRead::Status::TooLarge;
        return file;
    }
    file.bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            file.status = SafeRead::Status::Unreadable;
            file.bytes.clear();
            return file;
        }
        if (got == 0)
            break;
        file.bytes.append(buffer, static_cast<std::size_t>(got));
        // A file that grows while it is read is judged by what it has become.
        if (file.bytes.size() > maxBytes) {
            file.status = SafeRead::Status::TooLarge;
            file.bytes.clear();
            return file;
        }
    }
    file.status = SafeRead::Status::Read;
    return file;
}

SafeRead failedOpen() {
    SafeRead file;
    file.status = errno == ENOENT || errno == ENOTDIR ? SafeRead::Status::Missing
                  : errno == ELOOP || errno == ENXIO  ? SafeRead::Status::NotRegular
                                                      : SafeRead::Status::Unreadable;
    return file;
}

constexpr int ReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

SafeRead readAndClose(int fd, std::uintmax_t maxBytes) {
    if (fd < 0)
        return failedOpen();
    SafeRead file = readOpened(fd, maxBytes);
    ::close(fd);
    return file;
}

} // namespace

SafeRead readFileSafely(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    return readAndClose(::open(path.c_str(), ReadFlags), maxBytes);
}

SafeRead readFileSafelyAt(int folder, const std::filesystem::path& name, std::uintmax_t maxBytes) {
    return readAndClose(::openat(folder, name.c_str(), ReadFlags), maxBytes);
}

} // namespace vatro
