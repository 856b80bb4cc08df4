#pragma once

#include "viewtest.h"

#include "view/editor/editorwindow.h"
#include "view/editor/openeditor.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include <fstream>
#include <iterator>

namespace vatro::testing {

// The quiz editor as the teacher meets it: opened from the game's "Редактор" on the game's
// folder, driven by keys sent to whatever has the focus.
class EditorTest : public ViewTest {
protected:
    EditorTest() {
        host.whenEditorOpens = [](const std::filesystem::path& folder) {
            openEditorWindow(folder);
        };
    }
    ~EditorTest() override {
        // Unsaved edits of a test are dropped without a question.
        std::vector<QPointer<EditorWindow>> editors;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<EditorWindow*>(window))
                editors.emplace_back(editor);
        }
        for (const QPointer<EditorWindow>& editor : editors)
            delete editor.data();
    }

    static EditorWindow* openEditor() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<EditorWindow*>(window); editor && editor->isVisible())
                return editor;
        }
        return nullptr;
    }
    // Chooses "Редактор" in the game's menu bar, as a mouse would.
    EditorWindow& chooseEditorInMenu() {
        for (QAction* action : mainView().menuBar()->actions()) {
            if (action->text() == QStringLiteral("Редактор"))
                action->trigger();
        }
        settle();
        EditorWindow* editor = openEditor();
        return editor ? *editor : throw std::logic_error("no editor opened");
    }
    static void activate(QWidget& window) {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            throw std::logic_error("the window did not become active");
    }

    // Keys as the keyboard gives them: each to the widget that has the focus then.
    static void keys(QKeySequence sequence) {
        for (int n = 0; n < sequence.count(); ++n) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus)
                throw std::logic_error("nothing has the focus");
            const QKeyCombination key = sequence[n];
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        }
        settle();
    }
    static void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus)
                throw std::logic_error("nothing has the focus");
            // A Russian layout sends the letter's text; the key code does not matter here.
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        settle();
    }

    // Answers the message boxes to come, one after the other, each with the button of the
    // next text; what each asked goes to `asked`.
    void answerQuestions(QStringList buttons) {
        m_answers = std::move(buttons);
        m_responder.setInterval(5);
        m_responder.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || m_answers.isEmpty())
                return;
            asked << box->text();
            const QString wanted = m_answers.takeFirst();
            for (QAbstractButton* choice : box->buttons()) {
                if (choice->text() == wanted)
                    choice->click();
            }
            if (m_answers.isEmpty())
                m_responder.stop();
        });
        m_responder.start();
    }

    template <class Widget> static Widget& part(EditorWindow& editor, const char* name) {
        auto* found = editor.findChild<Widget*>(QLatin1String(name));
        return found ? *found : throw std::logic_error(std::string("no part ") + name);
    }

    std::string fileBytes(const char* name) const {
        std::ifstream in(quiz.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    QStringList asked;

private:
    QStringList m_answers;
    QTimer m_responder;
};

} // namespace vatro::testing
