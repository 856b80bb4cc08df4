#pragma once
// The one way the programs read a file: without following a link at its last step, without
// waiting on a FIFO, and only what the opened file itself is (a regular file, not too large),
// so that a file swapped for something else after a look at its name is never read.

#include <cstdint>
#include <filesystem>
#include <string>

namespace vatro {

struct SafeRead {
    enum class Status {
        Read,
        Missing,    // no such file
        NotRegular, // a link, a FIFO, a folder or a device
        TooLarge,   // more than the reader's limit
        Unreadable, // no right to read, or an input error
    };
    Status status = Status::Missing;
    std::string bytes; // the whole file when Read
    bool ok() const { return status == Status::Read; }
};

SafeRead readFileSafely(const std::filesystem::path& path, std::uintmax_t maxBytes);

// The same for a file named within a folder already opened (a descriptor from open()).
SafeRead readFileSafelyAt(int folder, const std::filesystem::path& name, std::uintmax_t maxBytes);

} // namespace vatro
