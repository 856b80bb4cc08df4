#pragma once
// The class journal's files of some folders, as the teacher's class table reads them: each
// run listed once, and each file that could not be read, or only in part, told of by name.

#include "results/journalreader.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vatro {

// One run of the game on one computer: one journal file, summed up for the list of lessons.
struct JournalRun {
    std::filesystem::path file;
    LocalDateTime started;     // as the file's name says
    std::u16string computer;   // as its rows say, or its name where they say none
    std::u16string quizFolder; // as its first row says
    std::size_t pupils = 0;    // its rows: a pupil or team in one round
};

struct JournalScan {
    std::vector<JournalRun> runs;
    // One Russian line for each file read in part or not at all, naming it and saying why.
    std::vector<std::u16string> problems;
};

// Reads every journal file of the folders (not of their subfolders). A missing folder is a
// problem only when missingIsProblem; a folder named twice is read once. A run found in two
// folders (the game keeps a copy while a shared folder is away) is listed once, from the
// folder that holds more of it.
JournalScan scanJournalFolders(const std::vector<std::filesystem::path>& folders,
                               bool missingIsProblem);

// The rows of the run's file as it is now, each with a computer (the run's where the row
// names none); what could not be read is added to problems.
std::vector<JournalEntry> readJournalRun(const JournalRun& run,
                                         std::vector<std::u16string>& problems);

// The folders this computer's game writes the journal to, and the home folder's, where
// journals were kept before the machine had its own folder set.
std::vector<std::filesystem::path> defaultJournalFolders();

} // namespace vatro
