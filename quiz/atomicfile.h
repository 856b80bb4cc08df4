#pragma once
// Writing a file so that it is either the old file whole or the new file whole: the bytes go
// to a temporary file of our own in the same folder, are flushed to disk and only then
// renamed over the old file. A write never follows a symbolic link or opens a FIFO or
// device that it did not make.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vatro {

// Why a file could not be written.
struct FileWriteError {
    enum class Kind {
        ReadOnly,      // no right to write in the folder, or a read-only disk
        NoSpace,       // the disk (or the user's quota) is full
        NotRegular,    // the name is taken by a link, FIFO, device or folder
        ChangedOnDisk, // the file is not what it was when it was read (set by callers)
        Other,
    };
    Kind kind = Kind::Other;
    std::filesystem::path path;
    int error = 0; // errno, when the system said why
};

// One Russian sentence naming the file and what happened.
std::u16string describeWriteError(const FileWriteError& error);

// Where the previous version of a file is kept: "vatro.txt" → "vatro.txt.bak".
std::filesystem::path backupPath(const std::filesystem::path& target);

// A file written under a temporary name beside its target and flushed to disk, waiting to be
// put in place. Removed again unless committed.
class StagedFile {
public:
    // Writes and flushes the bytes; an error when the folder takes no file or the target's
    // name is held by something that is not a regular file.
    static std::optional<FileWriteError> stage(const std::filesystem::path& target,
                                               std::string_view bytes, StagedFile& staged);

    StagedFile() = default;
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    // Renames the temporary file over the target and flushes the folder.
    std::optional<FileWriteError> commit();
    // Removes the temporary file (also done by the destructor).
    void discard();

    const std::filesystem::path& target() const { return m_target; }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
};

// The present bytes of a file about to be replaced, read without following a link or opening
// a FIFO: nothing when there is no such file, an error when the name holds something else.
std::optional<FileWriteError> readRegularFile(const std::filesystem::path& path,
                                              std::optional<std::string>& bytes);

// Stages and commits in one go. With keepBackup, the target's present bytes (when it
// exists) are first put in place as backupPath(target), written the same way.
std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path& target,
                                                  std::string_view bytes, bool keepBackup = false);

} // namespace vatro
