#include "quizlibrary.h"

#include "quiz/quizfolder.h"
#include "settings/userfolders.h"

#include <algorithm>
#include <set>
#include <system_error>

namespace vatro::library {

namespace {

namespace fs = std::filesystem;

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The subfolders of a folder by name, the folders themselves before links to folders (so
// that a quiz reached both ways is listed under its own name); none when it cannot be read.
std::vector<fs::path> subfolders(const fs::path& folder) {
    std::vector<std::pair<bool, fs::path>> found;
    std::error_code error;
    fs::directory_iterator entries(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        if (entries->is_directory(error) && !error)
            found.emplace_back(entries->is_symlink(error), entries->path());
        error.clear();
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> folders;
    for (auto& [link, path] : found)
        folders.push_back(std::move(path));
    return folders;
}

} // namespace

fs::path folderIdentity(const fs::path& folder) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(folder, error);
    return (error ? folder : canonical).lexically_normal();
}

std::optional<fs::path> ownQuizRoot() {
    const auto home = homeFolder();
    if (!home)
        return std::nullopt;
    return *home / u"Ватро";
}

LibraryPlaces libraryPlaces(const Settings& settings, std::optional<fs::path> sample) {
    return {ownQuizRoot(), settings.quizLibrary, std::move(sample)};
}

std::vector<QuizPlace> findQuizzes(const LibraryPlaces& places) {
    std::vector<QuizPlace> found;
    std::set<fs::path> seen;
    const auto add = [&](const fs::path& folder, Home home) {
        if (holdsQuiz(folder) && seen.insert(folderIdentity(folder)).second)
            found.push_back({folder, home});
    };
    const auto gather = [&](const fs::path& root, Home home) {
        if (!isFolder(root))
            return;
        add(root, home);
        for (const fs::path& folder : subfolders(root))
            add(folder, home);
    };
    if (places.own)
        gather(*places.own, Home::Own);
    for (const fs::path& root : places.school)
        gather(root, Home::School);
    if (found.empty() && places.sample && holdsQuiz(*places.sample))
        found.push_back({*places.sample, Home::Sample});
    return found;
}

} // namespace vatro::library
