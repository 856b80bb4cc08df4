// The grids as tables whose cells carry their letters and words.
#include "accessibleparts.h"
#include "gridview.h"

#include <QWindow>

namespace vatro {

namespace {

// One data cell: its text, whether it is the current cell, and a press that takes it.
class GridCell : public QAccessibleInterface,
                 public QAccessibleTableCellInterface,
                 public QAccessibleActionInterface {
public:
    GridCell(GridView* grid, int row, int col) : m_grid(grid), m_row(row), m_col(col) {}

    bool isValid() const override { return m_grid; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!m_grid)
            return {};
        if (t == QAccessible::Name)
            return QString::fromStdU16String(m_grid->model().TextMatrix(m_row, m_col));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_grid)
            return {};
        const QRect cell = m_grid->cellRect(m_row, m_col);
        return cell.isEmpty() ? QRect()
                              : QRect(m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!m_grid) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isCurrent();
        state.focused = isCurrent() && m_grid->hasFocus();
        state.invisible = !m_grid->isVisible();
        state.offscreen = m_grid->cellRect(m_row, m_col).isEmpty();
        state.disabled = !m_grid->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // Table cell.
    bool isSelected() const override { return isCurrent(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col - FlexGrid::FixedCols; }
    int rowIndex() const override { return m_row - FlexGrid::FixedRows; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return m_grid ? QAccessible::queryAccessibleInterface(m_grid) : nullptr;
    }

    // Action: a press takes the cell, as a left press of the mouse does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (m_grid && actionName == pressAction())
            m_grid->takeCell(m_row, m_col);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool isCurrent() const {
        return m_grid && m_grid->model().Row == m_row && m_grid->model().Col == m_col;
    }

    QPointer<GridView> m_grid;
    int m_row;
    int m_col;
};

} // namespace

GridAccessible::GridAccessible(GridView* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() {
    for (const auto& [cell, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

GridView* GridAccessible::grid() const {
    return static_cast<GridView*>(widget());
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int GridAccessible::rowCount() const {
    return grid()->model().Rows() - FlexGrid::FixedRows;
}

int GridAccessible::columnCount() const {
    return grid()->model().Cols() - FlexGrid::FixedCols;
}

QAccessibleInterface* GridAccessible::existingCell(int row, int col) const {
    const auto found = m_cells.find({row, col});
    return found == m_cells.end() ? nullptr : QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* GridAccessible::gridCell(int row, int col) const {
    if (!grid()->model().isDataCell(row, col))
        return nullptr;
    if (QAccessibleInterface* cell = existingCell(row, col))
        return cell;
    const QAccessible::Id id =
        QAccessible::registerAccessibleInterface(new GridCell(grid(), row, col));
    m_cells.emplace(std::pair(row, col), id);
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    return gridCell(row + FlexGrid::FixedRows, column + FlexGrid::FixedCols);
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    return {gridCell(grid()->model().Row, grid()->model().Col)};
}

int GridAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* GridAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [cell, id] : m_cells) {
        if (QAccessible::accessibleInterface(id) == child)
            return (cell.first - FlexGrid::FixedRows) * columnCount() + cell.second -
                   FlexGrid::FixedCols;
    }
    return -1;
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const QPoint at = grid()->viewport()->mapFromGlobal(QPoint(x, y));
    return gridCell(grid()->rowAt(at.y()), grid()->colAt(at.x()));
}

QAccessibleInterface* GridAccessible::focusChild() const {
    return grid()->hasFocus() ? gridCell(grid()->model().Row, grid()->model().Col) : nullptr;
}

} // namespace vatro
