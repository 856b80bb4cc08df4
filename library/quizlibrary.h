#pragma once
// The quiz library: every quiz a teacher can play from the menu entry. Her own quizzes are
// the folders under ~/Ватро that hold one (and ~/Ватро itself when it does); the school's
// are those of the folders an administrator lists in vatro.conf under QuizLibrary=, say a
// share on the school's server. The sample quiz stands in while there is no other.

#include "settings/settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro::library {

// Where a quiz lives, as the chooser tells of it.
enum class Home { Own, School, Sample };

// The folders the library is gathered from.
struct LibraryPlaces {
    std::optional<std::filesystem::path> own; // ~/Ватро; none without a home folder
    std::vector<std::filesystem::path> school;
    std::optional<std::filesystem::path> sample;
};

// ~/Ватро: the teacher's own quizzes, and where a new one is made.
std::optional<std::filesystem::path> ownQuizRoot();

// The places of this account and machine: ~/Ватро, the settings' QuizLibrary folders and
// the sample quiz installed with the programs.
LibraryPlaces libraryPlaces(const Settings& settings, std::optional<std::filesystem::path> sample);

struct QuizPlace {
    std::filesystem::path folder;
    Home home = Home::Own;
    bool operator==(const QuizPlace&) const = default;
};

// The folder as the file system knows it (links resolved, the path made plain), so that a
// folder reached by two names, a share listed twice, is one folder.
std::filesystem::path folderIdentity(const std::filesystem::path& folder);

// Every quiz of the places: of each folder (her own first, then the school's in the order
// listed) the folder itself when it holds a quiz, then its subfolders that do, by name.
// Entries that cannot be read, that are no folders or that name a quiz already found are
// skipped; a place that is not there (a share out of reach) gives nothing. The sample only
// when nothing else was found.
std::vector<QuizPlace> findQuizzes(const LibraryPlaces& places);

} // namespace vatro::library
