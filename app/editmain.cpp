// The teacher's quiz editor on the folder named on the command line, or the working folder.
#include "view/editor/runeditor.h"

int main(int argc, char* argv[]) {
    return vatro::runEditor(argc, argv);
}
