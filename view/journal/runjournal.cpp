#include "runjournal.h"

#include "journalwindow.h"
#include "view/viewmanager.h"

#include <QApplication>

namespace vatro {

int runJournalWindow(int argc, char** argv, const std::vector<std::filesystem::path>& folders) {
    QApplication app(argc, argv);
    prepareApplication(app);
    JournalWindow window;
    window.openFolders(folders.empty() ? defaultJournalFolders() : folders, !folders.empty());
    window.show();
    return QApplication::exec();
}

} // namespace vatro
