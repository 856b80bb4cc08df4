#include "runeditor.h"

#include "editorwindow.h"
#include "quiz/textcodec.h"
#include "view/eventguard.h"
#include "view/firstframe.h"
#include "view/qttranslation.h"
#include "view/viewmanager.h"

#include <QApplication>
#include <QCommandLineParser>

#include <filesystem>
#include <system_error>

namespace vatro {

int runEditor(int argc, char** argv, std::function<void()> firstFrame) {
    QApplication app(argc, argv);
    prepareApplication(app);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Редактор викторины Ватро: вопросы, ответы, табло букв и справка."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("ПАПКА"),
                                  QStringLiteral("Папка викторины (по умолчанию — текущая)."));
    processCommandLine(options, app);
    const QStringList folders = options.positionalArguments();
    // The working folder may have been deleted under the terminal: that is told, not thrown.
    std::error_code lost;
    const std::filesystem::path folder = folders.isEmpty()
                                             ? std::filesystem::current_path(lost)
                                             : pathFromUtf8(folders.first().toStdString());
    if (lost) {
        showProblem(u"Папки, из которой запущен редактор, больше нет (её удалили или заменили "
                    u"новой), или к ней нет доступа.\nНазовите папку викторины: vatro-edit ПАПКА.");
        return 1;
    }

    auto* window = new EditorWindow;
    if (const std::u16string failed = window->openFolder(folder); !failed.empty()) {
        showProblem(failed);
        delete window;
        return 1;
    }
    const FirstFrameWatch watch(*window, [firstFrame = std::move(firstFrame)] {
        if (firstFrame)
            firstFrame();
        translateQtTexts();
    });
    window->show();
    return QApplication::exec();
}

} // namespace vatro
