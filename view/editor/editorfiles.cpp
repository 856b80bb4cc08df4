// Opening, creating and saving a quiz folder, with the questions each may need, and the
// unsaved-changes question when the window closes or another folder is opened.
#include "editorwindow.h"

#include "library/newquizfolder.h"
#include "pairsmodel.h"
#include "qttext.h"
#include "quiz/textcodec.h"
#include "view/quiznamedialog.h"
#include "view/startgame.h"

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
    if (m_document.pairCount() == 0)
        showFirstPairHint();
    else
        statusBar()->showMessage(
            QStringLiteral("Открыта викторина: %1 пар.").arg(m_document.pairCount()));
    return {};
}

void EditorWindow::showFirstPairHint() {
    statusBar()->showMessage(QStringLiteral("Новая викторина: добавьте первую пару (Ctrl+Enter)."));
    m_firstPairHint = true;
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
    const auto chosen =
        QuizNameDialog::ask(this, QStringLiteral("Новая викторина"), QStringLiteral("Создать"),
                            library::makeQuizFolder, true);
    if (!chosen)
        return;
    const editor::OpenOutcome outcome = m_document.create(chosen->folder);
    if (!outcome.ok) {
        QMessageBox::warning(this, QStringLiteral("Редактор викторины"), qt(outcome.message));
        return;
    }
    refreshStatus();
    choosePair(0, PairsModel::QuestionColumn);
    showFirstPairHint();
}

void EditorWindow::chooseFolderToSaveAs() {
    finishTypedCell();
    const auto chosen =
        QuizNameDialog::ask(this, QStringLiteral("Сохранить викторину как"),
                            QStringLiteral("Сохранить"), library::makeQuizFolder, true);
    if (!chosen)
        return;
    if (!saveTo(chosen->folder) && chosen->made) {
        std::error_code ignored; // the folder made for the copy, still empty
        std::filesystem::remove(chosen->folder, ignored);
    }
}

void EditorWindow::play() {
    finishTypedCell();
    if (!m_document.isSavedToDisk()) {
        const int choice =
            ask(this, QMessageBox::Question, QStringLiteral("Сохранить викторину перед игрой?"),
                QStringLiteral("Игра читает файлы викторины с диска: несохранённых изменений "
                               "она не увидит."),
                {QStringLiteral("Сохранить и играть"), QStringLiteral("Отмена")});
        if (choice != 0 || !saveTo({}))
            return;
    }
    if (startGame(m_document.folder()))
        statusBar()->showMessage(QStringLiteral("Игра запущена на викторине «%1».")
                                     .arg(qt(displayPath(m_document.folder()))));
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

// A cell being edited is part of what the teacher means to save.
void EditorWindow::finishTypedCell() {
    QWidget* focused = QApplication::focusWidget();
    for (QTableView* table : {m_pairs, m_board}) {
        if (focused && focused != table && table->isAncestorOf(focused))
            table->setFocus(); // the cell editor loses the focus and hands its text over
    }
}

bool EditorWindow::save() {
    finishTypedCell();
    return saveTo({});
}

bool EditorWindow::saveTo(const std::filesystem::path& target) {
    const editor::SavePlan plan =
        target.empty() ? m_document.planSave() : m_document.planSaveAs(target);
    const std::optional<editor::SaveChoices> choices = askBeforeSaving(plan);
    if (!choices) {
        statusBar()->showMessage(QStringLiteral("Не сохранено."));
        return false;
    }
    const SaveOutcome outcome =
        target.empty() ? m_document.save(*choices) : m_document.saveAs(target, *choices);
    const QString message = qt(outcome.message);
    statusBar()->showMessage(message);
    refreshTitle();
    if (outcome.ok())
        return true;
    if (outcome.status == SaveOutcome::Status::Failed)
        QMessageBox::critical(this, QStringLiteral("Редактор викторины"), message);
    return false;
}

std::optional<editor::SaveChoices> EditorWindow::askBeforeSaving(const editor::SavePlan& plan) {
    editor::SaveChoices choices;
    if (!plan.refusal.empty())
        return choices; // nothing to ask: the save says why it cannot be done
    if (!plan.lacking.empty()) {
        QStringList lacking;
        for (const editor::LackingCharacters& found : plan.lacking)
            lacking << QStringLiteral("%1: %2").arg(fileName(found.part), qt(found.characters));
        const int chosen = ask(
            this, QMessageBox::Question,
            QStringLiteral("В кодировке Windows-1251 нет некоторых знаков текста."),
            lacking.join(QLatin1Char('\n')) +
                QStringLiteral("\n\nUTF-8 хранит любые знаки, но старые копии игры прочитают "
                               "такой файл неверно. Можно вместо этого заменить эти знаки на «?»."),
            {QStringLiteral("Сохранить в UTF-8"), QStringLiteral("Заменить на «?»"),
             QStringLiteral("Отмена")});
        if (chosen == 2)
            return std::nullopt;
        choices.lacking = chosen == 0 ? LackingChoice::UseUtf8 : LackingChoice::Replace;
    }
    if (!plan.quotes.empty()) {
        if (ask(this, QMessageBox::Question, QStringLiteral("Заменить прямые кавычки на «ёлочки»?"),
                qt(plan.quotes) +
                    QStringLiteral("\n\nФайлы викторины не могут хранить знак \" внутри "
                                   "текста: игра оборвала бы на нём запись."),
                {QStringLiteral("Заменить на «ёлочки»"), QStringLiteral("Отмена")}) != 0)
            return std::nullopt;
        choices.guillemets = true;
    }
    return choices;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

} // namespace vatro
