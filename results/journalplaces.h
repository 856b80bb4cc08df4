#pragma once
// Where this computer keeps the class journal, and under what name.

#include "settings/settings.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vatro {

// The folder vatro.conf names (JournalFolder=), else ~/Ватро/Журнал; then, for the times the
// first cannot be written (a network share gone for a moment), Журнал in the game's folder of
// the XDG data home. Without a home folder neither of the home's folders is in the list.
std::vector<std::filesystem::path> journalFolders(const Settings& settings);

// ComputerName= of vatro.conf, else the host name up to its first dot; what a file name
// cannot hold (/ \ : * ? " < > | and control characters) becomes "_", blanks and dots at the
// ends go, and at most 40 characters stay.
std::u16string computerName(const Settings& settings);

} // namespace vatro
