#include "runeditor.h"

#include "editorwindow.h"
#include "quiz/textcodec.h"
#include "view/viewmanager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <filesystem>
#include <iostream>

namespace vatro {

int runEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    prepareApplication(app);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Редактор викторины Ватро: вопросы, ответы, табло букв и справка."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("ПАПКА"),
                                  QStringLiteral("Папка викторины (по умолчанию — текущая)."));
    options.process(app);
    const QStringList folders = options.positionalArguments();
    const std::filesystem::path folder = folders.isEmpty()
                                             ? std::filesystem::current_path()
                                             : pathFromUtf8(folders.first().toStdString());

    auto* window = new EditorWindow;
    if (const std::u16string failed = window->openFolder(folder); !failed.empty()) {
        std::cerr << utf16ToUtf8(failed) << std::endl;
        QMessageBox::critical(nullptr, QStringLiteral("Редактор викторины"),
                              QString::fromStdU16String(failed));
        delete window;
        return 1;
    }
    window->show();
    return QApplication::exec();
}

} // namespace vatro
