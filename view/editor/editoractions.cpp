// The editor's menus and the commands on pairs and board: each one call on the document,
// after which the cursor stands where the teacher expects it.
#include "editorwindow.h"

#include "boardmodel.h"
#include "pairsmodel.h"
#include "view/startgame.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>

#include <set>

namespace vatro {

namespace {

QAction* menuAction(QMenu* menu, const QString& text, std::initializer_list<QKeySequence> keys) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(QList<QKeySequence>(keys));
    return action;
}

} // namespace

void EditorWindow::buildActions() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    connect(menuAction(file, QStringLiteral("Создать…"), {QKeySequence::New}), &QAction::triggered,
            this, [this] { chooseFolderToCreate(); });
    connect(menuAction(file, QStringLiteral("Открыть папку…"), {QKeySequence::Open}),
            &QAction::triggered, this, [this] { chooseFolderToOpen(); });
    connect(menuAction(file, QStringLiteral("Сохранить"), {QKeySequence::Save}),
            &QAction::triggered, this, [this] { save(); });
    connect(menuAction(file, QStringLiteral("Сохранить как…"), {QKeySequence::SaveAs}),
            &QAction::triggered, this, [this] { chooseFolderToSaveAs(); });
    file->addSeparator();
    connect(menuAction(file, QStringLiteral("Играть"), {QKeySequence(Qt::Key_F5)}),
            &QAction::triggered, this, [this] { play(); });
    file->addSeparator();
    // Every machine's results of a lesson, from the journal folders of this computer.
    connect(menuAction(file, QStringLiteral("Журнал класса…"), {}), &QAction::triggered, this,
            [] { startClassJournal(); });
    file->addSeparator();
    connect(menuAction(file, QStringLiteral("Закрыть"), {QKeySequence::Close}), &QAction::triggered,
            this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Правка"));
    m_undo = menuAction(edit, QStringLiteral("Отменить"), {});
    m_undo->setShortcuts(QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, this, [this] { m_document.undo(); });
    m_redo = menuAction(edit, QStringLiteral("Вернуть"), {});
    // Ctrl+Y on every desktop, shown in the menu as the guide says it, then the desktop's own.
    QList<QKeySequence> redoKeys = {QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    m_redo->setShortcuts(redoKeys);
    connect(m_redo, &QAction::triggered, this, [this] { m_document.redo(); });
    edit->addSeparator();
    // The desktop's keys, except Ctrl+Insert, which inserts a pair here.
    const auto clipboardKeys = [](QKeySequence::StandardKey key) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_Insert));
        return keys;
    };
    QAction* cut = menuAction(edit, QStringLiteral("Вырезать"), {});
    cut->setShortcuts(clipboardKeys(QKeySequence::Cut));
    connect(cut, &QAction::triggered, this, [this] { cutChosen(); });
    QAction* copy = menuAction(edit, QStringLiteral("Копировать"), {});
    copy->setShortcuts(clipboardKeys(QKeySequence::Copy));
    connect(copy, &QAction::triggered, this, [this] { copyChosen(); });
    QAction* paste = menuAction(edit, QStringLiteral("Вставить"), {});
    paste->setShortcuts(clipboardKeys(QKeySequence::Paste));
    connect(paste, &QAction::triggered, this, [this] { pasteClipboard(); });
    edit->addSeparator();
    m_addPair = menuAction(edit, QStringLiteral("Добавить пару"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Return)});
    m_addPair->setToolTip(QStringLiteral("Новая пара в конце списка (Ctrl+Enter)"));
    connect(m_addPair, &QAction::triggered, this,
            [this] { insertPairAt(static_cast<int>(m_document.pairCount())); });
    m_insertPair = menuAction(edit, QStringLiteral("Вставить пару"),
                              {QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    m_insertPair->setToolTip(QStringLiteral("Новая пара перед выбранной (Ctrl+Insert)"));
    connect(m_insertPair, &QAction::triggered, this,
            [this] { insertPairAt(std::max(0, currentPairRow())); });
    m_deletePair =
        menuAction(edit, QStringLiteral("Удалить пару"), {QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    m_deletePair->setToolTip(QStringLiteral("Удалить выбранные пары (Ctrl+Delete)"));
    connect(m_deletePair, &QAction::triggered, this, [this] { deleteChosenPairs(); });
    m_moveUp =
        menuAction(edit, QStringLiteral("Выше"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)});
    m_moveUp->setToolTip(QStringLiteral("Поднять пару на строку выше (Ctrl+Shift+↑)"));
    connect(m_moveUp, &QAction::triggered, this, [this] { movePair(-1); });
    m_moveDown = menuAction(edit, QStringLiteral("Ниже"),
                            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)});
    m_moveDown->setToolTip(QStringLiteral("Опустить пару на строку ниже (Ctrl+Shift+↓)"));
    connect(m_moveDown, &QAction::triggered, this, [this] { movePair(1); });
    edit->addSeparator();
    connect(menuAction(edit, QStringLiteral("Кавычки → «ёлочки»"), {}), &QAction::triggered, this,
            [this] { m_document.useGuillemets(); });
    connect(menuAction(edit, QStringLiteral("Ответы — заглавными буквами"), {}),
            &QAction::triggered, this, [this] { capitalizeChosenAnswers(); });

    QMenu* board = menuBar()->addMenu(QStringLiteral("&Табло"));
    connect(
        menuAction(board, QStringLiteral("Собрать табло"), {QKeySequence(Qt::CTRL | Qt::Key_B)}),
        &QAction::triggered, this, [this] { buildBoard(); });
    connect(menuAction(board, QStringLiteral("Новое число для перемешивания"), {}),
            &QAction::triggered, this,
            [this] { m_seed->setValue(static_cast<int>(editor::newBoardSeed())); });

    // Keyboard only: a key for each part of the window, whatever has the focus.
    QMenu* go = menuBar()->addMenu(QStringLiteral("П&ереход"));
    connect(menuAction(go, QStringLiteral("Вопросы и ответы"), {QKeySequence(Qt::ALT | Qt::Key_1)}),
            &QAction::triggered, this, [this] { m_pairs->setFocus(Qt::ShortcutFocusReason); });
    connect(menuAction(go, QStringLiteral("Табло"), {QKeySequence(Qt::ALT | Qt::Key_2)}),
            &QAction::triggered, this, [this] { m_board->setFocus(Qt::ShortcutFocusReason); });
    connect(menuAction(go, QStringLiteral("Справка"), {QKeySequence(Qt::ALT | Qt::Key_3)}),
            &QAction::triggered, this, [this] { m_help->setFocus(Qt::ShortcutFocusReason); });
    connect(menuAction(go, QStringLiteral("Замечания"), {QKeySequence(Qt::ALT | Qt::Key_4)}),
            &QAction::triggered, this, [this] { m_findings->setFocus(Qt::ShortcutFocusReason); });
    connect(menuAction(go, QStringLiteral("Число для перемешивания"),
                       {QKeySequence(Qt::ALT | Qt::Key_5)}),
            &QAction::triggered, this, [this] { m_seed->setFocus(Qt::ShortcutFocusReason); });
}

int EditorWindow::currentPairRow() const {
    const QModelIndex current = m_pairs->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EditorWindow::choosePair(int row, int column) {
    const QModelIndex index = m_pairsModel->index(row, column);
    if (!index.isValid())
        return;
    m_pairs->setCurrentIndex(index);
    m_pairs->scrollTo(index);
}

void EditorWindow::insertPairAt(int row) {
    if (!m_document.insertPair(static_cast<std::size_t>(row))) {
        statusBar()->showMessage(QStringLiteral("Больше пар не поместится: в игре не больше %1 "
                                                "ответов.")
                                     .arg(editor::MaxPairs));
        return;
    }
    // The teacher goes on typing the new question.
    choosePair(row, PairsModel::QuestionColumn);
    m_pairs->setFocus();
}

void EditorWindow::deleteChosenPairs() {
    std::set<int> rows;
    for (const QModelIndex& index : m_pairs->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty() && currentPairRow() >= 0)
        rows.insert(currentPairRow());
    if (rows.empty())
        return;
    // One command when the rows lie together, as they do when chosen with Shift.
    const int first = *rows.begin();
    const int count = *rows.rbegin() - first + 1;
    if (count != static_cast<int>(rows.size())) {
        statusBar()->showMessage(QStringLiteral("Выберите пары, стоящие подряд."));
        return;
    }
    const int column = std::max(0, m_pairs->currentIndex().column());
    m_document.deletePairs(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
    m_pairs->clearSelection();
    choosePair(std::min(first, static_cast<int>(m_document.pairCount()) - 1), column);
}

void EditorWindow::movePair(int by) {
    const int row = currentPairRow();
    if (row < 0)
        return;
    const auto at = static_cast<std::size_t>(row);
    const bool moved = by < 0 ? m_document.movePairUp(at) : m_document.movePairDown(at);
    if (moved)
        choosePair(row + by, m_pairs->currentIndex().column());
}

void EditorWindow::buildBoard() {
    const editor::BuiltBoard built =
        m_document.buildBoard(static_cast<std::uint32_t>(m_seed->value()));
    if (!built.built) {
        statusBar()->showMessage(QString::fromStdU16String(built.message));
        refreshBoardSummary();
        return;
    }
    statusBar()->showMessage(
        QStringLiteral("Табло собрано: %1 букв ответов и %2 лишних, число для перемешивания %3 — "
                       "с ним табло можно собрать так же снова.")
            .arg(built.needed)
            .arg(built.decoys)
            .arg(built.seed));
}

} // namespace vatro
