#include "rungame.h"

#include "firstframe.h"
#include "game/form1.h"
#include "qthost.h"
#include "qttranslation.h"
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"
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
    } catch (const std::exception& error) {
        // Nobody has played yet: nothing is lost by not starting, but the reason is told.
        host.showError(u"Игра не смогла запуститься: " + utf8ToUtf16(error.what()) + u".");
        return 1;
    }

    ViewManager views(form);
    const FirstFrameWatch watch(views.mainView(), [firstFrame = std::move(firstFrame)] {
        if (firstFrame)
            firstFrame();
        translateQtTexts();
    });
    views.sync();
    views.startClock();
    return QApplication::exec();
}

} // namespace vatro
