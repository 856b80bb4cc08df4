#pragma once
// The temporary files an atomic write leaves beside its target for a moment, and what a
// killed writer left there for good.
//
// Name: "." + target + "." + machine + "-" + process + "-" + number + ".tmp", where machine
// is 8 hexadecimal digits of this boot of this computer, process the process id and number
// a count within the process; "." keeps the file out of sight of a file manager.

#include <string>

namespace vatro {

// A name no other writer picks at the same moment, on this computer or on another one that
// shares the folder. Safe from any thread.
std::string temporaryNameFor(const std::string& target);

// A temporary of this process in the folder (an open descriptor) that may be there still: its
// removal failed, or its creation failed in a way that may have made it all the same (a
// network share gone in the middle of a request). The clean-ups after the next successful
// writes there remove it.
void rememberLeftover(int folder, const std::string& name);

// After a successful write into the folder (an open descriptor): removes this process's
// leftovers there, and, the first time in the process, the temporary files of the pattern
// above that no other writer will finish: those of processes of this boot that have ended,
// and any untouched for ten minutes (another computer's, or of an earlier boot).
void removeStaleTemporaries(int folder);

} // namespace vatro
