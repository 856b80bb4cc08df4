#pragma once

#include <functional>
#include <string>

namespace vatro {

// The last guard where the Qt view calls into the game. The game's handlers report what
// they foresee and change nothing then; an exception that no rule foresaw must still not
// reach Qt's event loop, which would end the program and lose every player's results. It is
// reported, and play goes on from the state as it stands. False when the call failed; the
// failure is reported only when report is true (a clock that fails each second says so once).
bool guardedCall(const std::function<void()>& call, bool report = true);

// Shows a problem to the player: on stderr, and in a message box where someone could close it.
void showProblem(const std::u16string& message);

// Where guardedCall reports; showProblem unless replaced. Returns the one it replaces.
using ProblemReporter = std::function<void(const std::u16string&)>;
ProblemReporter setProblemReporter(ProblemReporter reporter);

} // namespace vatro
