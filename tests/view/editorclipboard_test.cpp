// The editor with spreadsheets: a range copied from LibreOffice Calc pastes as pairs, also
// into a cell being edited; the pairs copy back as a spreadsheet reads them; and Qt's own
// dialogs speak Russian.
#include "editortest.h"

#include "editor/tabletext.h"

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QTreeView>

namespace vatro::testing {
namespace {

// Two columns as Calc puts them on the clipboard: a cell with a line break quoted.
const QString CalcRange = QStringLiteral("Единица силы тока?\tАМПЕР\n"
                                         "\"Закон Ома:\nI = U/R. Что такое R?\"\tсопротивление\n");

TEST_F(EditorTest, ASpreadsheetRangePastesAsPairsAndCopiesBack) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    activate(editor);
    auto& pairs = part<QTableView>(editor, "pairs");
    pairs.setFocus();
    pairs.setCurrentIndex(pairs.model()->index(2, 1));
    QApplication::clipboard()->setText(CalcRange);
    keys(QKeySequence::Paste);
    const auto& content = editor.document().content();
    EXPECT_EQ(content.questions.at(3), u"Закон Ома: I = U/R. Что такое R?");
    EXPECT_EQ(pairs.model()->index(3, 1).data().toString(), QStringLiteral("сопротивление"))
        << "answers as written";
    EXPECT_EQ(editor.statusBar()->currentMessage(), QStringLiteral("Вставлено: 2 строки."));
    EXPECT_EQ(part<QLabel>(editor, "statusMessage").text(), editor.statusBar()->currentMessage());

    // Both pasted rows stay chosen: copied, they are what Calc gave, with the answer's fix.
    for (QAction* action : editor.menuBar()->actions().at(1)->menu()->actions()) {
        if (action->text() == QStringLiteral("Ответы — заглавными буквами"))
            action->trigger();
        if (action->text().startsWith(QStringLiteral("Вернуть"))) {
            EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y))
                << "as the guide says";
        }
    }
    EXPECT_EQ(content.answers.at(3), u"СОПРОТИВЛЕНИЕ");
    EXPECT_EQ(content.answers.at(0), u"ОМ") << "only the chosen answers";
    keys(QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Единица силы тока?\tАМПЕР\n"
                             "Закон Ома: I = U/R. Что такое R?\tСОПРОТИВЛЕНИЕ\n"));
    keys(QKeySequence::Undo);
    keys(QKeySequence::Undo);
    EXPECT_EQ(editor.document().pairCount(), 3u) << "a paste is one step";
    EXPECT_FALSE(editor.isWindowModified());

    // Into a cell being edited, the range is a table paste as well.
    QApplication::clipboard()->setText(CalcRange);
    pairs.setCurrentIndex(pairs.model()->index(0, 0));
    keys(Qt::Key_F2);
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    keys(QKeySequence::Paste);
    EXPECT_EQ(content.questions.at(0), u"Единица силы тока?");
    EXPECT_EQ(content.answers.at(1), u"сопротивление");
    EXPECT_EQ(editor.document().pairCount(), 3u);
    // One copied cell comes without the line end Calc adds.
    pairs.setCurrentIndex(pairs.model()->index(2, 1));
    keys(Qt::Key_F2);
    QApplication::clipboard()->setText(QStringLiteral("ТОКИ\n"));
    keys(QKeySequence(QKeySequence::SelectAll));
    keys(QKeySequence::Paste);
    keys(Qt::Key_Return);
    EXPECT_EQ(content.answers.at(2), u"ТОКИ");
}

// Qt's own dialogs in Russian: the file dialog of "Открыть папку…", folders typed as such.
TEST_F(EditorTest, TheFolderDialogSpeaksRussian) {
    startViews();
    std::filesystem::create_directory(quiz.path() / "Оптика");
    EditorWindow& editor = chooseEditorInMenu();
    QStringList words;
    QTimer::singleShot(0, [&] {
        QTimer* look = new QTimer(&editor);
        look->callOnTimeout([&words, look] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (auto* view : dialog->findChildren<QTreeView*>()) {
                const QModelIndex root = view->rootIndex();
                if (view->model()->rowCount(root) == 0)
                    return; // still reading the folder
                words << view->model()->index(0, 2, root).data().toString();
            }
            for (auto* button : dialog->findChildren<QAbstractButton*>())
                words << button->text();
            look->stop();
            dialog->reject();
        });
        look->start(10);
    });
    for (QAction* action : editor.menuBar()->actions().at(0)->menu()->actions()) {
        if (action->text() == QStringLiteral("Открыть папку…"))
            action->trigger();
    }
    EXPECT_TRUE(words.contains(QStringLiteral("Папка"))) << words.join(' ').toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Отмена"))) << words.join(' ').toStdString();
    EXPECT_FALSE(words.contains(QStringLiteral("Folder")));
}

} // namespace
} // namespace vatro::testing
