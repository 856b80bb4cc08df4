#include "rungame.h"

#include "firstframe.h"
#include "game/form1.h"
#include "qthost.h"
#include "quiz/fieldreader.h"
#include "viewmanager.h"

#include <QApplication>

namespace vatro {

int runGame(int argc, char** argv, std::function<void()> firstFrame) {
    QApplication app(argc, argv);
    prepareApplication(app);

    QtHost host;
    Form1 form(host);
    try {
        // Start-up reads the quiz files; the game cannot begin without them.
        form.Show();
    } catch (const QuizFileError& error) {
        host.showError(error.text());
        return 1;
    }

    ViewManager views(form);
    const FirstFrameWatch watch(views.mainView(), std::move(firstFrame));
    views.sync();
    views.startClock();
    return QApplication::exec();
}

} // namespace vatro
