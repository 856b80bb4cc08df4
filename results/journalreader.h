#pragma once
// Reads the class journal's files back: the exact inverse of journalTable(), and of the
// older layout that had neither rounds nor computers. What cannot be read is left out whole
// and said why, one Russian line each; never half a row.

#include "host/host.h"
#include "results/journaltable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

// One row as the file holds it; the older layout names no computer and has one round.
struct JournalEntry {
    JournalRow row;
    int rightShare = -1; // per cent as written; -1 when the cell is empty
};

struct JournalTableRead {
    std::vector<JournalEntry> rows;
    // Why the file was not read at all; empty when it is a journal.
    std::u16string skipped;
    // The rows left out, each with why ("строка 7: …"); the others were read.
    std::vector<std::u16string> leftOut;
};

JournalTableRead readJournalTable(std::string_view bytes);

// What a journal file's name tells: when the run started and on which computer (none in
// the older names), and which of the runs of that minute it is.
struct JournalFileName {
    LocalDateTime started;
    std::u16string computer;
    int copy = 1;
};

// None when the name is not one the game gives.
std::optional<JournalFileName> parseJournalFileName(std::string_view name);

} // namespace vatro
