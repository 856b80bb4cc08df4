#pragma once

#include "host/host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vatro::testing {

// A host with a hand-set clock, a replayable generator and scripted name boxes.
class FakeHost : public Host {
public:
    explicit FakeHost(std::filesystem::path folder = {}) : folder(std::move(folder)) {}

    int timeOfDay() override { return static_cast<int>(clock) % 86400; }
    double secondsSinceMidnight() override { return clock; }
    void randomize(double value) override;
    double random() override;
    std::u16string inputBox(const std::u16string& prompt) override;
    void showError(const std::u16string& message) override { errors.push_back(message); }
    void endProgram() override { ++endRequests; }
    std::optional<std::filesystem::path> quizFolder() override {
        return folderGone ? std::nullopt : std::optional(folder);
    }
    std::vector<std::u16string> settingsProblems() override { return settings; }
    std::vector<std::filesystem::path> journalFolders() override { return journal; }
    std::u16string computerName() override { return computer; }
    // The date below, at the time of day of the hand-set clock.
    LocalDateTime localDateTime() override;
    void openEditor(const std::filesystem::path& f) override {
        ++editorOpenings;
        editorFolder = f;
        if (whenEditorOpens)
            whenEditorOpens(f);
    }

    // Moves the clock on, in seconds; it wraps at midnight as a real clock does.
    void advance(double seconds);

    double clock = 12 * 3600.0; // seconds since midnight
    std::filesystem::path folder;
    bool folderGone = false; // as the real host finds a working folder deleted or replaced
    double seed = 0;
    int randomizeCalls = 0; // one per shuffle of the word list
    unsigned long long randomState = 1;
    std::deque<std::u16string> names; // answers of the name box; empty: cancelled
    std::vector<std::u16string> prompts;
    std::function<void()> whileNameBoxOpen; // runs while the box waits (ticks, clock)
    std::vector<std::u16string> errors;
    int endRequests = 0;
    std::vector<std::u16string> settings;       // what the settings files got wrong
    std::vector<std::filesystem::path> journal; // none: the game keeps no journal
    std::u16string computer = u"pc07";
    LocalDateTime date{2026, 12, 8};
    int editorOpenings = 0;
    std::filesystem::path editorFolder;                                // of the last opening
    std::function<void(const std::filesystem::path&)> whenEditorOpens; // a real editor, say
};

} // namespace vatro::testing
