// The program: the main window's game on the quiz files of the working folder.
#include "scalesetting.h"
#include "view/rungame.h"

int main(int argc, char* argv[]) {
    vatro::applyScaleSetting();
    return vatro::runGame(argc, argv);
}
