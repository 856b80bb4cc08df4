#include "openeditor.h"

#include "editorwindow.h"
#include "view/eventguard.h"

#include <QApplication>
#include <QPointer>

#include <vector>

namespace vatro {

namespace {

std::vector<QPointer<EditorWindow>>& editors() {
    static std::vector<QPointer<EditorWindow>> open;
    std::erase_if(open, [](const QPointer<EditorWindow>& window) { return window.isNull(); });
    return open;
}

} // namespace

EditorWindow* openEditorWindow(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path wanted = std::filesystem::weakly_canonical(folder, error);
    for (const QPointer<EditorWindow>& window : editors()) {
        if (std::filesystem::weakly_canonical(window->document().folder(), error) == wanted) {
            window->showNormal();
            window->raise();
            window->activateWindow();
            return window;
        }
    }
    auto* window = new EditorWindow;
    if (const std::u16string failed = window->openFolder(folder); !failed.empty()) {
        delete window;
        showProblem(failed);
        return nullptr;
    }
    editors().emplace_back(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void endProgramAfterEditors() {
    // The game's main window reports its closing here again while the program ends.
    static bool ending = false;
    if (ending)
        return;
    ending = true;
    bool kept = false;
    for (const QPointer<EditorWindow>& window : editors()) {
        if (window->isVisible())
            kept = !window->close() || kept;
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<EditorWindow*>(window) && window->isVisible())
            window->close();
    }
    ending = false;
    if (!kept)
        QCoreApplication::exit(0);
}

} // namespace vatro
