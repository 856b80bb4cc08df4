// The teacher's quiz editor on the folder named on the command line, or the working folder.
#include "scalesetting.h"
#include "view/editor/runeditor.h"

int main(int argc, char* argv[]) {
    vatro::applyScaleSetting();
    return vatro::runEditor(argc, argv);
}
