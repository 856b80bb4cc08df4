#pragma once
// The class journal's file: one per run of the game, rewritten whole after every event that
// changes a player's standing, in the first of its folders that takes it.
//
// Each folder is opened once, not through a link, and every file is created, written and
// renamed within that open folder: a folder swapped for a link between two events cannot
// lead the journal elsewhere. A folder that fails (a network share gone for a moment) is
// opened again at the next event, and while it fails the whole table goes to the next folder;
// once the first folder takes the table again, the copy kept meanwhile is removed.

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
    // How the file reaches the disk, within the open folder; the file's full path names it
    // in messages. writeFileAtomicallyAt unless a test stands in for it.
    using Store = std::function<std::optional<FileWriteError>(
        int folder, const std::filesystem::path& file, std::string_view bytes, WriteMode)>;

    ClassJournal();
    ~ClassJournal();
    ClassJournal(const ClassJournal&) = delete;
    ClassJournal& operator=(const ClassJournal&) = delete;

    // A new journal file of the computer, named by the time given (journalformat.h), in the
    // folders given, the preferred first; no folders: no journal. Nothing is written until
    // the first write().
    void begin(std::vector<std::filesystem::path> folders, const LocalDateTime& started,
               std::u16string computer);

    // Replaces the file with the bytes. Returns a message for the teacher when the journal
    // goes to a later folder, or is not kept at all; each is told once, until the preferred
    // folder takes the journal again.
    std::optional<std::u16string> write(std::string_view bytes);

    // The file last written; empty when none has been.
    const std::filesystem::path& file() const { return m_file; }

    void setStore(Store store) { m_store = std::move(store); }

private:
    struct Place {
        std::filesystem::path folder;
        int fd = -1;      // the folder, open; -1 until opened, and after a failure
        std::string name; // this run's file there, once created
        // A name whose creation a network share cut off: an empty file under it is this
        // run's, made all the same.
        std::string maybeHeld;
    };
    std::optional<std::u16string> writeIn(Place& place, std::string_view bytes);
    std::optional<std::u16string> open(Place& place);
    std::optional<std::u16string> createIn(Place& place, std::string_view bytes);
    static void close(Place& place);
    // The table is whole in an earlier folder again: the copy here is no longer needed.
    static void removeCopy(Place& place);

    enum class Told { Nothing, Moved, NotKept };

    Store m_store;
    std::vector<Place> m_places;
    LocalDateTime m_started;
    std::u16string m_computer;
    std::filesystem::path m_file;
    Told m_told = Told::Nothing; // what the teacher has been told of the present trouble
};

} // namespace vatro
