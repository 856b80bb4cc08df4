// The reference for start-up and memory: a bare Qt main window of the game's size with a
// menu bar, shown centred, nothing else. It reports when its first frame is on screen and
// ends there.
#include "report.h"
#include "view/firstframe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <cmath>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ватро"));
    window.menuBar()->addMenu(QStringLiteral("Рейтинг"));
    window.menuBar()->addAction(QStringLiteral("Справка"));
    window.menuBar()->addAction(QStringLiteral("Об авторах"));
    window.menuBar()->addAction(QStringLiteral("Редактор"));
    // The game's client area: 9840 × 7110 twips at the screen's logical DPI.
    const double dpi = window.logicalDpiX();
    const auto px = [dpi](double twips) { return int(std::lround(twips * dpi / 1440)); };
    window.resize(px(9840), px(7110) + window.menuBar()->sizeHint().height());
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());

    vatro::FirstFrameWatch watch(window, [] {
        vatro::bench::report("first_frame_ns", vatro::bench::monotonicNow());
        QCoreApplication::exit(0);
    });
    window.show();
    return QApplication::exec();
}
