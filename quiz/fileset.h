#pragma once
// Writes several files as one: either every file of the set takes its new contents or none
// does. Each new file and each kept previous version is on disk under a temporary name
// before any of them takes the place of an old one, and a file that someone else changed
// since it was read is never written over.

#include "atomicfile.h"
#include "safefile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro {

struct FileInSet {
    std::filesystem::path path;
    std::string bytes; // the new contents
    // What the file holds now as its writer last read it; none when it does not exist.
    std::optional<std::string> previous;
    // Where the previous version is kept (vatro.txt.bak), when it is kept and there is one.
    std::optional<std::filesystem::path> backup;
};

struct FileSetProblem {
    enum class Kind {
        ChangedOnDisk, // the file is no longer what `previous` says; see `now`
        WriteFailed,   // see `error`
    };
    Kind kind = Kind::WriteFailed;
    std::filesystem::path path; // the file, or the backup, that could not be written
    SafeRead::Status now = SafeRead::Status::Read;
    FileWriteError error;
};

// Every file of the set written, or every file as it was and the first problem.
std::optional<FileSetProblem> writeFileSet(const std::vector<FileInSet>& files);

} // namespace vatro
