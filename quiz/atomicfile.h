#pragma once
// Writes a whole file so that a crash or a power loss leaves either the old file or the new
// one on disk, never a torn one: a temporary file in the same folder, flushed to disk, then
// renamed over the old name. A write never goes through a symlink, a FIFO or a device.
//
// The temporary file has no name while it is written (O_TMPFILE) where the file system allows
// it, so a writer killed half-way leaves nothing behind; elsewhere (a network share, say) it
// is named as temporaryfiles.h says, and what killed writers left is removed later.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

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
    // A new file's name may be held by an empty file of the writer's own, which the write
    // could not fill or remove (a network share gone in the middle): a later writer that finds
    // an empty file there may take the name.
    bool mayHoldName = false;
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
    // A file named within a folder already open (a descriptor from open(), which the
    // AtomicFile copies): every step is taken within that folder, whatever its path is now.
    AtomicFile(int folder, std::string name);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::optional<FileWriteError> write(std::string_view bytes);
    std::optional<FileWriteError> commit(WriteMode mode = WriteMode::Replace);

private:
    void discard();
    std::optional<FileWriteError> openFolder();
    std::optional<FileWriteError> createTemporary(bool anonymous, mode_t mode);
    // Gives the written contents a name in the folder; false with errno set otherwise.
    bool linkAs(const std::string& name);
    std::optional<FileWriteError> createExclusively(const std::string& name);

    std::filesystem::path m_file; // the target by its path; empty when given by its folder
    std::string m_name;           // the target's name within the folder
    int m_folder = -1;            // the open folder, so that a rename cannot land elsewhere
    int m_folderError = 0;        // why the folder given could not be kept open
    int m_fd = -1;                // the nameless temporary file, open until the commit
    std::string m_tempName;       // the named temporary file; empty when none exists
};

// The whole write: temporary file, flush, rename (or exclusive link for CreateNew).
std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& file,
                                                  std::string_view bytes,
                                                  WriteMode mode = WriteMode::Replace);

// The same within a folder already open (a descriptor from open()).
std::optional<FileWriteError> writeFileAtomicallyAt(int folder, const std::string& name,
                                                    std::string_view bytes,
                                                    WriteMode mode = WriteMode::Replace);

// One Russian sentence naming the file and what went wrong, such as
// "Не удалось записать файл «…»: на диске нет места."
std::u16string describeFileWriteError(const FileWriteError& error,
                                      const std::filesystem::path& file);

} // namespace vatro
