#pragma once

#include <functional>

namespace vatro {

// The program vatro-edit: the quiz editor on the folder named on the command line, or on
// the working folder, until the teacher closes it. A folder it cannot open is reported
// and the result is 1. firstFrame, when given, runs once just after the window's first frame
// is on screen.
int runEditor(int argc, char** argv, std::function<void()> firstFrame = {});

} // namespace vatro
