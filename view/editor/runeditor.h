#pragma once

namespace vatro {

// The program vatro-edit: the quiz editor on the folder named on the command line, or on
// the working folder, until the teacher closes it. A folder it cannot open is reported
// and the result is 1.
int runEditor(int argc, char** argv);

} // namespace vatro
