#pragma once

#include <filesystem>
#include <string>

namespace vatro {

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

    // The folder the quiz files and the help file are read from.
    virtual std::filesystem::path quizFolder() = 0;

    // Opens the teacher's quiz editor on the folder, beside the game, without waiting for
    // it; the game goes on as it was.
    virtual void openEditor(const std::filesystem::path& folder) = 0;
};

} // namespace vatro
