#pragma once

namespace vatro {

// The program vatro-launch, the menu entry's command:
//   vatro-launch           the game on the library's one quiz, or the chooser when it has more;
//   vatro-launch --choose  the chooser, however many quizzes there are;
//   vatro-launch --edit    the editor on the teacher's own quiz (~/Ватро made from a copy of
//                          the sample when she has none), or the chooser when she has several.
// The launcher becomes the program it starts; its result is that program's, or 1 when it
// could not start one.
int runLauncher(int argc, char** argv);

} // namespace vatro
