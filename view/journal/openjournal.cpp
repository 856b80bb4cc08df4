#include "openjournal.h"

#include "journalwindow.h"

#include <QPointer>

namespace vatro {

JournalWindow* openJournalWindow() {
    static QPointer<JournalWindow> open;
    if (open) {
        open->reload();
    } else {
        open = new JournalWindow;
        open->setAttribute(Qt::WA_DeleteOnClose);
        open->openFolders(defaultJournalFolders(), false);
    }
    open->showNormal();
    open->raise();
    open->activateWindow();
    return open;
}

} // namespace vatro
