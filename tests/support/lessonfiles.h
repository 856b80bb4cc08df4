#pragma once

#include "host/host.h"
#include "results/journaltable.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vatro::testing {

// A row of the journal: a pupil with the points, mistakes and grade (0: none) given.
JournalRow pupilRow(int number, std::u16string name, int points, int mistakes, int grade);

// A run's journal file, named and written as the game writes it, with the rows given (their
// computer set to the run's). Returns the file.
std::filesystem::path writeRun(const std::filesystem::path& folder, const LocalDateTime& started,
                               const std::u16string& computer, std::vector<JournalRow> rows);

} // namespace vatro::testing
