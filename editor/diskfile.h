#pragma once
// A quiz file as it stands on disk, read without following a link or opening a FIFO, and
// where the editor keeps its previous version.

#include <filesystem>
#include <string>

namespace vatro::editor {

struct DiskFile {
    enum class Status { Missing, Read, NotRegular, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
};

DiskFile readDiskFile(const std::filesystem::path& path);

// "vatro.txt" → "vatro.txt.bak".
std::filesystem::path backupPath(const std::filesystem::path& file);

} // namespace vatro::editor
