#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vatro {

// A local date and time, to the second.
struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The outside world as the game sees it. The application implements it with Qt; tests
// pass a fake with a hand-set clock and scripted answers.
class Host {
public:
    virtual ~Host() = default;

    // The time of day in whole seconds since midnight, 0..86399.
    virtual int timeOfDay() = 0;
    // The seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;

    // Seeds the random generator; random() then gives uniform values in [0, 1).
    virtual void randomize(double seed) = 0;
    virtual double random() = 0;

    // The modal name box: the text typed, or empty text when it was cancelled.
    // Clock ticks go on while it waits.
    virtual std::u16string inputBox(const std::u16string& prompt) = 0;

    // A problem the player cannot fix from inside the game, such as an unreadable quiz file.
    virtual void showError(const std::u16string& message) = 0;

    // Ends the program at once, closing all windows.
    virtual void endProgram() = 0;

    // The folder the quiz files and the help file are read from: the one the game was
    // started in, under whatever name it has now. None when that folder is gone (deleted,
    // or deleted and put back as a new folder) or can no longer be named. Never throws.
    virtual std::optional<std::filesystem::path> quizFolder() = 0;

    // What the settings files (vatro.conf) got wrong, one message each; the game tells
    // them once, at start-up, and plays on with the rest.
    virtual std::vector<std::u16string> settingsProblems() { return {}; }

    // ---- The class journal ----
    // The folders the class journal may be kept in, the preferred one first; none (the
    // default): the run keeps no journal.
    virtual std::vector<std::filesystem::path> journalFolders() { return {}; }
    // The local date and time now, which names a journal file.
    virtual LocalDateTime localDateTime() { return {}; }
    // This computer's name in the journal: in every row and in the file's name.
    virtual std::u16string computerName() { return u"компьютер"; }

    // Opens the teacher's quiz editor on the folder, beside the game, without waiting for
    // it; the game goes on as it was.
    virtual void openEditor(const std::filesystem::path& folder) = 0;
};

} // namespace vatro
