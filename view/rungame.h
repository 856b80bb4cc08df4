#pragma once

#include <functional>

namespace vatro {

// The whole program: the main window's game on the quiz files of the working folder,
// until the player ends it. A quiz file that cannot be read is reported and the result
// is 1, before any window shows. firstFrame, when given, runs once just after the main
// window's first frame is on screen, inside the running program.
int runGame(int argc, char** argv, std::function<void()> firstFrame = {});

} // namespace vatro
