// Opening, creating and saving a quiz folder, with the questions each may need, and the
// unsaved-changes question when the window closes or another folder is opened.
#include "editorwindow.h"

#include "pairsmodel.h"
#include "qttext.h"
#include "quiz/textcodec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>

namespace vatro {

using editor::LackingChoice;
using editor::QuizPart;
using editor::SaveOutcome;

namespace {

// A question with buttons of its own; the index of the button chosen, or the last one
// (which is the way back) when the box was closed.
int ask(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& details,
        const QStringList& buttons) {
    QMessageBox box(icon, QStringLiteral("Редактор викторины"), text, QMessageBox::NoButton,
                    parent);
    box.setInformativeText(details);
    QList<QAbstractButton*> added;
    for (int n = 0; n < buttons.size(); ++n) {
        const bool last = n + 1 == buttons.size();
        added << box.addButton(buttons[n], n == 0 ? QMessageBox::AcceptRole
                                           : last ? QMessageBox::RejectRole
                                                  : QMessageBox::DestructiveRole);
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.setEscapeButton(added.last());
    box.exec();
    const auto chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(chosen);
}

QString fileName(QuizPart part) {
    return QString::fromUtf8(editor::fileInfo(part).name);
}

} // namespace

std::u16string EditorWindow::openFolder(const std::filesystem::path& folder) {
    // A folder with no quiz file is where a new quiz begins: its files are written at the
    // first save.
    const editor::OpenOutcome outcome =
        editor::holdsQuiz(folder) ? m_document.open(folder) : m_document.create(folder);
    if (!outcome.ok)
        return outcome.message;
    m_seed->setValue(static_cast<int>(editor::newBoardSeed()));
    refreshTitle();
    statusChanged();
    choosePair(0, PairsModel::QuestionColumn);
    statusBar()->showMessage(
        m_document.pairCount() == 0
            ? QStringLiteral("Новая викторина: добавьте первую пару "
                             "(Ctrl+Enter).")
            : QStringLiteral("Открыта викторина: %1 пар.").arg(m_document.pairCount()));
    return {};
}

void EditorWindow::chooseFolderToOpen() {
    if (!maybeSave())
        return;
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Открыть папку с викториной"), qt(displayPath(m_document.folder())));
    if (chosen.isEmpty())
        return;
    const std::u16string failed = openFolder(pathFromUtf8(chosen.toStdString()));
    if (!failed.empty())
        QMessageBox::warning(this, QStringLiteral("Редактор викторины"), qt(failed));
}

void EditorWindow::chooseFolderToCreate() {
    if (!maybeSave())
        return;
    const QString chosen = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Пустая папка для новой викторины"), QDir::homePath());
    if (chosen.isEmpty())
        return;
    const editor::OpenOutcome outcome = m_document.create(pathFromUtf8(chosen.toStdString()));
    if (!outcome.ok) {
        QMessageBox::warning(this, QStringLiteral("Редактор викторины"), qt(outcome.message));
        return;
    }
    refreshStatus();
    choosePair(0, PairsModel::QuestionColumn);
    statusBar()->showMessage(QStringLiteral("Новая викторина: добавьте первую пару (Ctrl+Enter)."));
}

bool EditorWindow::maybeSave() {
    if (!m_document.isModified())
        return true;
    const int choice = ask(
        this, QMessageBox::Question, QStringLiteral("Сохранить изменения?"),
        QStringLiteral("В викторине есть несохранённые изменения."),
        {QStringLiteral("Сохранить"), QStringLiteral("Не сохранять"), QStringLiteral("Отмена")});
    if (choice == 0)
        return save();
    return choice == 1;
}

bool EditorWindow::save() {
    // A cell being edited is part of what the teacher means to save.
    QWidget* focused = QApplication::focusWidget();
    for (QTableView* table : {m_pairs, m_board}) {
        if (focused && focused != table && table->isAncestorOf(focused))
            table->setFocus(); // the cell editor loses the focus and hands its text over
    }
    return saveWith(LackingChoice::Ask);
}

bool EditorWindow::saveWith(LackingChoice choice) {
    const SaveOutcome outcome = m_document.save(choice);
    const QString message = qt(outcome.message);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
    case SaveOutcome::Status::NothingToSave:
        statusBar()->showMessage(message);
        refreshTitle();
        return true;
    case SaveOutcome::Status::NeedsGuillemets:
        if (ask(this, QMessageBox::Question, QStringLiteral("Заменить прямые кавычки на «ёлочки»?"),
                message + QStringLiteral("\n\nФайлы викторины не могут хранить знак \" внутри "
                                         "текста: игра оборвала бы на нём запись."),
                {QStringLiteral("Заменить на «ёлочки»"), QStringLiteral("Отмена")}) == 0) {
            m_document.useGuillemets();
            return saveWith(choice);
        }
        break;
    case SaveOutcome::Status::NeedsEncodingChoice: {
        QStringList lacking;
        for (const editor::LackingCharacters& found : outcome.lacking)
            lacking << QStringLiteral("%1: %2").arg(fileName(found.part), qt(found.characters));
        const int chosen = ask(
            this, QMessageBox::Question,
            QStringLiteral("В кодировке Windows-1251 нет некоторых знаков текста."),
            lacking.join(QLatin1Char('\n')) +
                QStringLiteral("\n\nUTF-8 хранит любые знаки, но старые копии игры прочитают "
                               "такой файл неверно. Можно вместо этого заменить эти знаки на «?»."),
            {QStringLiteral("Сохранить в UTF-8"), QStringLiteral("Заменить на «?»"),
             QStringLiteral("Отмена")});
        if (chosen == 0)
            return saveWith(LackingChoice::UseUtf8);
        if (chosen == 1)
            return saveWith(LackingChoice::Replace);
        break;
    }
    case SaveOutcome::Status::Failed:
        QMessageBox::critical(this, QStringLiteral("Редактор викторины"), message);
        statusBar()->showMessage(message);
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Не сохранено."));
    return false;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

} // namespace vatro
