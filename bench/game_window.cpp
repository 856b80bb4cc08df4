// The game as its players start it, on the quiz files of the working folder, measured from
// inside: "startup" reports when the main window's first frame is on screen and ends there;
// "idle SECONDS" then chooses a level as a player would and reports the processor time the
// program uses while it waits with the clock running.
#include "report.h"
#include "view/rungame.h"

#include <QApplication>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using namespace vatro::bench;

// A real click on the level option "User1": the view hands it to the game.
bool chooseLevel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (auto* option : window->findChildren<QRadioButton*>()) {
            if (option->text() == QStringLiteral("User1") && option->isVisible()) {
                option->click();
                return option->isChecked();
            }
        }
    }
    return false;
}

// Counts the paints that reach the widgets while the game idles.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

long contextSwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

void idle(int seconds) {
    if (!chooseLevel()) {
        std::fprintf(stderr, "no level option to choose\n");
        QCoreApplication::exit(2);
        return;
    }
    // A second to settle after the click, then the measured wait.
    QTimer::singleShot(1000, Qt::PreciseTimer, [seconds] {
        auto* counter = new PaintCounter;
        qApp->installEventFilter(counter);
        const std::int64_t cpu = processCpuNow();
        const std::int64_t wall = monotonicNow();
        const long switches = contextSwitches();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [cpu, wall, switches, counter] {
            report("idle_cpu_ns", processCpuNow() - cpu);
            report("idle_wall_ns", monotonicNow() - wall);
            report("idle_switches", contextSwitches() - switches);
            report("idle_paints", counter->paints);
            qApp->removeEventFilter(counter);
            delete counter;
            QCoreApplication::exit(0);
        });
    });
}

} // namespace

int main(int argc, char* argv[]) {
    const bool idleRun = argc >= 2 && std::strcmp(argv[1], "idle") == 0;
    const int seconds = idleRun && argc >= 3 ? std::atoi(argv[2]) : 30;
    char* gameArgs[] = {argv[0], nullptr};
    return vatro::runGame(1, gameArgs, [idleRun, seconds] {
        report("first_frame_ns", monotonicNow());
        if (idleRun)
            idle(seconds);
        else
            QCoreApplication::exit(0);
    });
}
