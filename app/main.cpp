// The program: the main window's game on the quiz files of the working folder.
#include "view/rungame.h"

int main(int argc, char* argv[]) {
    return vatro::runGame(argc, argv);
}
