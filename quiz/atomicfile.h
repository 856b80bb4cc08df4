#pragma once
// Writes a whole file so that a crash or a power loss leaves either the old file or the new
// one on disk, never a torn one: a temporary file in the same folder, flushed to disk, then
// renamed over the old name. A write never goes through a symlink, a FIFO or a device.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vatro {

struct FileWriteError {
    enum class Kind {
        NoFolder,      // the folder is missing, or is not a folder
        NotAPlainFile, // the name is taken by a folder, a symlink, a FIFO or a device
        AlreadyExists, // a new file was asked for and the name is taken
        NoPermission,  // the folder or the file may not be written
        DiskFull,      // no space or quota left
        Failed,        // any other refusal of the system
    };
    Kind kind = Kind::Failed;
    int systemError = 0; // errno, 0 when the check was our own
};

enum class WriteMode {
    Replace,   // the file is created or its old version replaced
    CreateNew, // the file is created only when its name is free; nothing is ever replaced
};

// One file being written. write() leaves the new contents on disk in a temporary file
// beside the target; commit() gives them the target's name. An AtomicFile that is destroyed
// without a commit removes its temporary file and leaves the target as it was.
class AtomicFile {
public:
    explicit AtomicFile(std::filesystem::path file);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::optional<FileWriteError> write(std::string_view bytes);
    std::optional<FileWriteError> commit(WriteMode mode = WriteMode::Replace);

private:
    void discard();

    std::filesystem::path m_file;
    std::string m_tempName; // in the target's folder; empty when none exists
    int m_folder = -1;      // the open folder, so that a rename cannot land elsewhere
};

// The whole write: temporary file, flush, rename (or exclusive link for CreateNew).
std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& file,
                                                  std::string_view bytes,
                                                  WriteMode mode = WriteMode::Replace);

// One Russian sentence naming the file and what went wrong, such as
// "Не удалось записать файл «…»: на диске нет места."
std::u16string describeFileWriteError(const FileWriteError& error,
                                      const std::filesystem::path& file);

} // namespace vatro
