// The quiz editor as a teacher starts it on a quiz folder, reporting when its window's
// first frame is on screen and ending there.
#include "report.h"
#include "view/editor/runeditor.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    return vatro::runEditor(argc, argv, [] {
        vatro::bench::report("first_frame_ns", vatro::bench::monotonicNow());
        QCoreApplication::exit(0);
    });
}
