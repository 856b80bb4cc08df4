// The view's tests need a QApplication and must run without a display, also when the
// test list is read by running this program.
#include "view/qttranslation.h"
#include "view/viewmanager.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The real host keeps its class journal in the home folder: the tests' players go to a
    // home of their own, never into the tester's.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME",
           (home.path() + QStringLiteral("/.local/share")).toLocal8Bit().constData(), 1);
    // The quizzes played last, and no settings of the tester's or of this machine.
    setenv("XDG_STATE_HOME",
           (home.path() + QStringLiteral("/.local/state")).toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit().constData(),
           1);
    setenv("XDG_CONFIG_DIRS", (home.path() + QStringLiteral("/etc")).toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    vatro::prepareApplication(app);
    vatro::translateQtTexts();
    QApplication::setCursorFlashTime(0); // a text cursor shows as it is drawn, never blinking
    QDir().mkpath(QStringLiteral(VATRO_PICTURES_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
