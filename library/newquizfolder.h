#pragma once
// A new quiz gets a folder of its own, named by the teacher, inside ~/Ватро, where the
// library finds it.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vatro::library {

struct NewFolder {
    std::optional<std::filesystem::path> folder; // made, and empty
    std::u16string problem;                      // otherwise: why not, in Russian
};

// Makes the folder NAME inside root (root itself when missing). The name is what the
// teacher typed, without blanks around it; refused with a clear reason: an empty name, a
// name with "/" or an invisible character, one beginning with a dot (a hidden folder), one
// too long for a folder, and a name that is taken.
NewFolder makeQuizFolder(const std::filesystem::path& root, std::u16string_view name);

// "Новая викторина…": a new folder NAME inside root holding a copy of the quiz of the
// folder from (the sample), each file written anew and atomically. Nothing is left behind
// when a file cannot be copied.
NewFolder newQuizFromCopy(const std::filesystem::path& root, std::u16string_view name,
                          const std::filesystem::path& from);

// Copies the quiz files that the folder from holds into the folder to, never over a file
// that is there; the reason when one could not be copied.
std::optional<std::u16string> copyQuizFiles(const std::filesystem::path& from,
                                            const std::filesystem::path& to);

} // namespace vatro::library
