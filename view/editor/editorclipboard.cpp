// Cut, copy and paste as spreadsheets do them: the chosen cells go to the clipboard as
// tab-separated lines, and such lines come back as pairs or board cells, each paste one
// step of the undo history; and "Ответы — заглавными буквами".
#include "editorwindow.h"

#include "boardmodel.h"
#include "pairsmodel.h"
#include "qttext.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

namespace vatro {

namespace {

// The chosen cells of a table, the current one when none is chosen.
QModelIndexList chosenCells(const QTableView& table) {
    QModelIndexList cells = table.selectionModel()->selectedIndexes();
    if (cells.isEmpty() && table.currentIndex().isValid())
        cells << table.currentIndex();
    return cells;
}

// The chosen cells as rows of text from the top-left chosen cell to the bottom-right one;
// a cell inside that is not chosen is copied empty, as the document's text otherwise.
std::vector<editor::TableRow> chosenTable(const QTableView& table) {
    const QModelIndexList cells = chosenCells(table);
    if (cells.isEmpty())
        return {};
    int top = cells.front().row(), bottom = top, left = cells.front().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    std::vector<editor::TableRow> rows(
        static_cast<std::size_t>(bottom - top + 1),
        editor::TableRow(static_cast<std::size_t>(right - left + 1)));
    for (const QModelIndex& cell : cells)
        rows[static_cast<std::size_t>(cell.row() - top)]
            [static_cast<std::size_t>(cell.column() - left)] =
                cell.data(Qt::EditRole).toString().toStdU16String();
    return rows;
}

} // namespace

QTableView* EditorWindow::chosenTableView() const {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == m_board || m_board->isAncestorOf(focus)))
        return m_board;
    return m_pairs;
}

void EditorWindow::cutChosen() {
    if (auto* text = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        text->cut();
        return;
    }
    if (QApplication::focusWidget() == m_help) {
        m_help->cut();
        return;
    }
    QTableView* table = chosenTableView();
    if (!copyChosen())
        return;
    const QModelIndexList cells = chosenCells(*table);
    if (table == m_board) {
        std::vector<std::size_t> indexes;
        for (const QModelIndex& cell : cells)
            indexes.push_back(editor::cellIndex(static_cast<std::size_t>(cell.row()),
                                                static_cast<std::size_t>(cell.column())));
        m_document.clearCells(indexes);
    } else {
        std::vector<std::pair<std::size_t, editor::Side>> sides;
        for (const QModelIndex& cell : cells)
            sides.emplace_back(static_cast<std::size_t>(cell.row()),
                               PairsModel::sideOf(cell.column()));
        m_document.clearPairCells(sides);
    }
}

bool EditorWindow::copyChosen() {
    if (auto* text = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        text->copy();
        return true;
    }
    if (QApplication::focusWidget() == m_help) {
        m_help->copy();
        return true;
    }
    const std::vector<editor::TableRow> rows = chosenTable(*chosenTableView());
    if (rows.empty()) {
        statusBar()->showMessage(QStringLiteral("Выберите клетки, которые копировать."));
        return false;
    }
    QApplication::clipboard()->setText(qt(editor::tableText(rows)));
    statusBar()->showMessage(
        QStringLiteral("Скопировано строк: %1 — их можно вставить в таблицу LibreOffice Calc, "
                       "Excel или сюда же.")
            .arg(rows.size()));
    return true;
}

void EditorWindow::pasteClipboard() {
    if (QApplication::focusWidget() == m_help) {
        m_help->paste();
        return;
    }
    QTableView* table = chosenTableView();
    QModelIndex at = table->currentIndex();
    if (!at.isValid())
        at = table->model()->index(0, 0);
    pasteTable(table, at, QApplication::clipboard()->text());
}

void EditorWindow::pasteTable(QTableView* table, const QModelIndex& at, const QString& text) {
    if (text.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("В буфере обмена нет текста."));
        return;
    }
    const std::vector<editor::TableRow> rows = editor::readTableText(text.toStdU16String());
    const int row = std::max(0, at.row());
    const int column = std::max(0, at.column());
    editor::PasteOutcome outcome;
    if (table == m_board) {
        outcome = m_document.pasteCells(
            editor::cellIndex(static_cast<std::size_t>(row), static_cast<std::size_t>(column)),
            rows);
    } else {
        outcome =
            m_document.pastePairs(static_cast<std::size_t>(row), PairsModel::sideOf(column), rows);
    }
    statusBar()->showMessage(qt(outcome.message));
    if (outcome.pasted == 0)
        return;
    // What was pasted stays chosen, as a spreadsheet leaves it.
    QAbstractItemModel& model = *table->model();
    const bool oneColumn = std::all_of(
        rows.begin(), rows.end(), [](const editor::TableRow& cells) { return cells.size() <= 1; });
    int left = column;
    int right = column;
    if (table == m_pairs && !oneColumn) {
        left = PairsModel::QuestionColumn;
        right = PairsModel::AnswerColumn;
    } else if (table == m_board) {
        for (const editor::TableRow& cells : rows)
            right = std::max(right, column + static_cast<int>(cells.size()) - 1);
    }
    right = std::min(right, model.columnCount() - 1);
    const int bottom = std::min(model.rowCount() - 1, row + static_cast<int>(rows.size()) - 1);
    table->setCurrentIndex(model.index(row, left));
    table->selectionModel()->select(
        QItemSelection(model.index(row, left), model.index(bottom, right)),
        QItemSelectionModel::ClearAndSelect);
    table->setFocus();
}

void EditorWindow::capitalizeChosenAnswers() {
    std::vector<std::size_t> rows;
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == m_pairs || m_pairs->isAncestorOf(focus))) {
        for (const QModelIndex& cell : m_pairs->selectionModel()->selectedIndexes()) {
            if (cell.column() == PairsModel::AnswerColumn)
                rows.push_back(static_cast<std::size_t>(cell.row()));
        }
    }
    const std::size_t changed = m_document.capitalizeAnswers(rows);
    const QString which =
        rows.empty() ? QStringLiteral("Все ответы") : QStringLiteral("Выбранные ответы");
    statusBar()->showMessage(changed == 0
                                 ? which + QStringLiteral(" уже написаны заглавными буквами.")
                                 : QStringLiteral("Заглавными буквами записано ответов: %1 "
                                                  "(Ctrl+Z отменит).")
                                       .arg(changed));
}

} // namespace vatro
