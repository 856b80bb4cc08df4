#include "rungame.h"

#include "firstframe.h"
#include "game/form1.h"
#include "library/playfolder.h"
#include "qthost.h"
#include "qttranslation.h"
#include "quiz/fieldreader.h"
#include "quiz/textcodec.h"
#include "viewmanager.h"

#include <QApplication>
#include <QCommandLineParser>

#include <filesystem>
#include <system_error>

namespace vatro {

namespace {

// "vatro [ПАПКА]": the folder named becomes the working folder, which the game follows
// under whatever name it has afterwards (see QtHost::quizFolder). The reason, naming the
// folder, when the game cannot start there.
std::optional<std::u16string> enterQuizFolder(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        std::error_code lost;
        const std::filesystem::path here = std::filesystem::current_path(lost);
        // A working folder that is gone is told by the game's own loaders, as ever.
        return lost ? std::nullopt : library::whyNotPlayable(here);
    }
    const std::filesystem::path folder = pathFromUtf8(arguments.first().toStdString());
    if (auto wrong = library::whyNotPlayable(folder))
        return wrong;
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error)
        return u"Нет доступа к папке «" + displayPath(folder) + u"»: викторину не открыть.";
    return std::nullopt;
}

} // namespace

int runGame(int argc, char** argv, std::function<void()> firstFrame) {
    QApplication app(argc, argv);
    prepareApplication(app);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Ватро: викторина по электричеству и магнетизму."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("ПАПКА"),
                                  QStringLiteral("Папка викторины (по умолчанию — текущая)."));
    processCommandLine(options, app);

    QtHost host;
    if (const auto wrong = enterQuizFolder(options.positionalArguments())) {
        host.showError(*wrong);
        return 1;
    }
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
