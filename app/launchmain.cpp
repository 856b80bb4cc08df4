// vatro-launch, the menu entry's command: the game on the teacher's quiz, or the chooser.
#include "view/chooser/runlauncher.h"

int main(int argc, char* argv[]) {
    return vatro::runLauncher(argc, argv);
}
