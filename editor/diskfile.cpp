#include "diskfile.h"

#include "quiz/fieldreader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vatro::editor {

DiskFile readDiskFile(const std::filesystem::path& path) {
    DiskFile file;
    // O_NONBLOCK: a FIFO planted under the name must not hang the editor.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        file.status = errno == ENOENT  ? DiskFile::Status::Missing
                      : errno == ELOOP ? DiskFile::Status::NotRegular
                                       : DiskFile::Status::Unreadable;
        return file;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        file.status = DiskFile::Status::NotRegular;
        return file;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            file.status = got == 0 ? DiskFile::Status::Read : DiskFile::Status::Unreadable;
            break;
        }
        file.bytes.append(buffer, static_cast<std::size_t>(got));
        // Enough to tell that it is no quiz file.
        if (file.bytes.size() > MaxFileBytes) {
            file.status = DiskFile::Status::Read;
            break;
        }
    }
    ::close(fd);
    return file;
}

std::filesystem::path backupPath(const std::filesystem::path& file) {
    std::filesystem::path backup = file;
    backup += ".bak";
    return backup;
}

} // namespace vatro::editor
