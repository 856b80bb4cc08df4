#pragma once

#include <filesystem>
#include <vector>

namespace vatro {

// The class table's window on the folders named, or on this computer's journal folders
// when none is, until the teacher closes it.
int runJournalWindow(int argc, char** argv, const std::vector<std::filesystem::path>& folders);

} // namespace vatro
