#pragma once
// The class journal: one spreadsheet file per run of the game (and per "Сброс"), rewritten
// whole after every event that changes a player's standing.

#include "host/host.h"
#include "quiz/atomicfile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

class ClassJournal {
public:
    // How the file reaches the disk; writeFileAtomically unless a test stands in for it.
    using Store = std::function<std::optional<FileWriteError>(const std::filesystem::path&,
                                                              std::string_view, WriteMode)>;

    ClassJournal();

    // A new journal file, named by the time given, in the first of the folders that can
    // be written; no folders: no journal. Nothing is written until the first write().
    void begin(std::vector<std::filesystem::path> folders, const LocalDateTime& started);

    // Replaces the file with the bytes. Returns a message for the teacher when the journal
    // stopped being kept, or moved to another folder; a failure that goes on is told once.
    std::optional<std::u16string> write(std::string_view bytes);

    // The file last written; empty when none has been.
    const std::filesystem::path& file() const { return m_file; }

    void setStore(Store store) { m_store = std::move(store); }

private:
    // The problem that keeps the folder from holding the journal, if any; made when missing.
    std::optional<std::u16string> prepareFolder(const std::filesystem::path& folder) const;
    // Writes a new file in the folder under the first free name; the problem otherwise.
    std::optional<std::u16string> createIn(const std::filesystem::path& folder,
                                           std::string_view bytes);
    std::filesystem::path fileName(int copy) const;

    Store m_store;
    std::vector<std::filesystem::path> m_folders;
    LocalDateTime m_started;
    std::filesystem::path m_file;
    bool m_told = false; // the current failure has been told to the teacher
};

} // namespace vatro
