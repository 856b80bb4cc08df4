// The program: the main window's game on the quiz files of the working folder.
#include "game/form1.h"
#include "game/quizreader.h"
#include "ui/qt/qthost.h"
#include "ui/qt/viewmanager.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vatro::prepareApplication(app);

    vatro::QtHost host;
    vatro::Form1 form(host);
    try {
        // Start-up reads the quiz files; the game cannot begin without them.
        form.Show();
    } catch (const vatro::QuizFileError& error) {
        host.showError(error.text());
        return 1;
    }

    vatro::ViewManager views(form);
    views.sync();
    views.startClock();
    return QApplication::exec();
}
