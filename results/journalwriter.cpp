#include "journalwriter.h"

#include <utility>

namespace vatro {

JournalWriter::~JournalWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void JournalWriter::waitUntilWritten(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
}

// Each waits and changes under one lock, so that no write slips in between.
void JournalWriter::begin(std::vector<std::filesystem::path> folders, const LocalDateTime& started,
                          std::u16string computer) {
    std::unique_lock lock(m_mutex);
    waitUntilWritten(lock);
    m_journal.begin(std::move(folders), started, std::move(computer));
}

void JournalWriter::write(std::string bytes) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(bytes);
        if (!m_thread.joinable())
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
}

void JournalWriter::flush() {
    std::unique_lock lock(m_mutex);
    waitUntilWritten(lock);
}

std::optional<std::u16string> JournalWriter::takeMessage() {
    const std::lock_guard lock(m_mutex);
    m_hasMessage.store(false, std::memory_order_release);
    return std::exchange(m_message, std::nullopt);
}

std::filesystem::path JournalWriter::file() {
    std::unique_lock lock(m_mutex);
    waitUntilWritten(lock);
    return m_journal.file();
}

void JournalWriter::setStore(ClassJournal::Store store) {
    std::unique_lock lock(m_mutex);
    waitUntilWritten(lock);
    m_journal.setStore(std::move(store));
}

void JournalWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_stop; });
        // Stopping comes only after the last table is written.
        if (!m_pending)
            return;
        const std::string bytes = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        std::optional<std::u16string> message = m_journal.write(bytes);
        lock.lock();
        m_busy = false;
        if (message) {
            m_message = std::move(message);
            m_hasMessage.store(true, std::memory_order_release);
        }
        m_changed.notify_all();
    }
}

} // namespace vatro
