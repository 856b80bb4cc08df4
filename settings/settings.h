#pragma once
// vatro.conf: what an administrator sets once per machine, or a user for one account. Every
// program of Ватро reads it at start-up.
//
// The file is UTF-8 text in INI syntax: "Key=value" lines, "[Section]" headers (ignored),
// comments from "#" or ";" at the start of a line. The machine's files come first, the
// user's last, and a key set in a later file replaces what an earlier one set.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vatro {

struct Settings {
    // JournalFolder=: where the game keeps the class journal instead of the home folder's.
    std::optional<std::filesystem::path> journalFolder;
    // QuizLibrary=: folders that hold quizzes, each a folder of quizzes (say, a share with
    // the school's quizzes). A file's first QuizLibrary line replaces what earlier files
    // listed, further lines add to it; one line may list several folders separated by ";".
    std::vector<std::filesystem::path> quizLibrary;
    // ComputerName=: this computer's name in the class journal, for a lab whose host names
    // are all alike; the host name when not set.
    std::u16string computerName;
    // Scale=: how many times larger the game draws its windows, letters and pictures, for
    // a pupil who sees poorly; 1.0 to 3.0, with a decimal point or comma.
    std::optional<double> scale;
};

inline constexpr double MinScale = 1.0;
inline constexpr double MaxScale = 3.0;

struct LoadedSettings {
    Settings values;
    // What was wrong, one Russian message each, naming the file and the line; the line was
    // skipped and the rest of the file read.
    std::vector<std::u16string> problems;
};

// The files that may hold settings, the least important first: each folder of
// $XDG_CONFIG_DIRS (/etc/xdg), then $XDG_CONFIG_HOME (~/.config); vatro/vatro.conf in each.
std::vector<std::filesystem::path> settingsFiles();

// Reads the files in order; a missing file is no problem, an unreadable one is.
LoadedSettings readSettings(const std::vector<std::filesystem::path>& files);

// readSettings(settingsFiles()), once per process: every later call returns the first
// result, so a program reports a bad line once and keeps one view of its settings.
const LoadedSettings& machineSettings();

// Reads one file's text into the settings, as read from the named file.
void readSettingsText(std::string_view bytes, const std::filesystem::path& file,
                      LoadedSettings& into);

} // namespace vatro
