#pragma once
// Keeps the class journal off the game's thread: a verdict hands over the new table and
// goes on at once, while a thread of the journal's own waits for the disk.

#include "classjournal.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace vatro {

class JournalWriter {
public:
    JournalWriter() = default;
    // Writes what is still waiting, so that closing the game loses no result.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // A new file from the next write on; what is waiting goes to the old file first.
    void begin(std::vector<std::filesystem::path> folders, const LocalDateTime& started,
               std::u16string computer);
    // Hands over the whole file; of tables handed over faster than the disk takes them,
    // only the newest is written.
    void write(std::string bytes);
    // Waits until everything handed over is on disk, or has failed.
    void flush();

    // Whether a message for the teacher waits; cheap enough for every clock tick.
    bool hasMessage() const { return m_hasMessage.load(std::memory_order_acquire); }
    std::optional<std::u16string> takeMessage();

    // The file last written, once everything handed over is.
    std::filesystem::path file();
    void setStore(ClassJournal::Store store);

private:
    void run();
    // Waits, with the lock held, until everything handed over is on disk or has failed.
    void waitUntilWritten(std::unique_lock<std::mutex>& lock);

    ClassJournal m_journal; // used by the writing thread while it writes
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::string> m_pending;
    bool m_busy = false;
    bool m_stop = false;
    std::optional<std::u16string> m_message;
    std::atomic<bool> m_hasMessage{false};
    std::thread m_thread; // started by the first write
};

} // namespace vatro
