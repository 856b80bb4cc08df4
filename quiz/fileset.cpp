#include "fileset.h"

#include <memory>

namespace vatro {

namespace {

// A file written under a temporary name, waiting to take its own.
struct Staged {
    explicit Staged(std::filesystem::path target)
        : path(std::move(target)), file(std::make_unique<AtomicFile>(path)) {}
    std::filesystem::path path;
    std::unique_ptr<AtomicFile> file;
};

// Puts a file back as it was after its new version was already in place.
void restore(const FileInSet& file) {
    std::error_code ignored; // a rollback that fails too leaves the new file: nothing better
    if (file.previous)
        writeFileAtomically(file.path, *file.previous);
    else
        std::filesystem::remove(file.path, ignored);
}

FileSetProblem failedWrite(const FileWriteError& error, const std::filesystem::path& path) {
    FileSetProblem problem;
    problem.kind = FileSetProblem::Kind::WriteFailed;
    problem.path = path;
    problem.error = error;
    return problem;
}

} // namespace

std::optional<FileSetProblem> writeFileSet(const std::vector<FileInSet>& files) {
    for (const FileInSet& file : files) {
        // One byte more than it held is enough to tell that it grew.
        const SafeRead now =
            readFileSafely(file.path, file.previous ? file.previous->size() + 1 : 0);
        const bool same = file.previous
                              ? now.status == SafeRead::Status::Read && now.bytes == *file.previous
                              : now.status == SafeRead::Status::Missing;
        if (!same) {
            FileSetProblem problem;
            problem.kind = FileSetProblem::Kind::ChangedOnDisk;
            problem.path = file.path;
            problem.now = now.status;
            return problem;
        }
    }
    std::vector<Staged> staged;
    std::vector<Staged> backups;
    for (const FileInSet& file : files) {
        staged.emplace_back(file.path);
        if (auto error = staged.back().file->write(file.bytes))
            return failedWrite(*error, file.path);
        if (file.previous && file.backup) {
            backups.emplace_back(*file.backup);
            if (auto error = backups.back().file->write(*file.previous))
                return failedWrite(*error, *file.backup);
        }
    }
    for (Staged& backup : backups) {
        if (auto error = backup.file->commit())
            return failedWrite(*error, backup.path);
    }
    for (std::size_t n = 0; n < files.size(); ++n) {
        if (auto error = staged[n].file->commit()) {
            for (std::size_t k = 0; k < n; ++k)
                restore(files[k]);
            return failedWrite(*error, staged[n].path);
        }
    }
    return std::nullopt;
}

} // namespace vatro
