#include "boardview.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace vatro {

BoardView::BoardView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setMinimumSectionSize(8);
}

void BoardView::step(int by) {
    const QModelIndex here = currentIndex();
    if (!here.isValid())
        return;
    const int columns = model()->columnCount();
    const int cells = model()->rowCount() * columns;
    const int next = here.row() * columns + here.column() + by;
    if (next < 0 || next >= cells)
        return;
    setCurrentIndex(model()->index(next / columns, next % columns));
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex here = currentIndex();
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (here.isValid() && state() != EditingState && modifiers == Qt::NoModifier) {
        const QString text = event->text();
        if (event->key() == Qt::Key_Backspace) {
            step(-1);
            model()->setData(currentIndex(), QString());
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            // Each emptied cell is a change of its own, undone one by one.
            for (const QModelIndex& cell : selectionModel()->selectedIndexes())
                model()->setData(cell, QString());
            model()->setData(here, QString());
            return;
        }
        // One character, which a letter beyond the basic plane is in two UTF-16 halves.
        const QList<uint> typed = text.toUcs4();
        if (typed.size() == 1 && QChar::isPrint(typed[0]) && !QChar::isSpace(typed[0])) {
            model()->setData(here, text);
            step(1);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

} // namespace vatro
