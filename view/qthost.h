#pragma once

#include "host/host.h"

#include <random>

namespace vatro {

// The outside world of the real program: the system clock, a seeded generator, Qt's
// modal input box and message box, and the working folder for the quiz files.
class QtHost : public Host {
public:
    int timeOfDay() override;
    double secondsSinceMidnight() override;
    void randomize(double seed) override;
    double random() override;
    // Modal: the rest of the program waits, but the game clock goes on ticking.
    std::u16string inputBox(const std::u16string& prompt) override;
    // A message box (none where no one could see it) and the same text on stderr.
    void showError(const std::u16string& message) override;
    void endProgram() override;
    std::optional<std::filesystem::path> quizFolder() override;
    // Read once from vatro.conf (settings/settings.h).
    std::vector<std::u16string> settingsProblems() override;
    // JournalFolder= of vatro.conf or ~/Ватро/Журнал, then the local fallback
    // (results/journalplaces.h).
    std::vector<std::filesystem::path> journalFolders() override;
    std::u16string computerName() override;
    LocalDateTime localDateTime() override;
    // The editor's own window, beside the game's.
    void openEditor(const std::filesystem::path& folder) override;

private:
    std::mt19937_64 m_generator;
};

} // namespace vatro
