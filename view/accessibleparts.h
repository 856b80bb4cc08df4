#pragma once

// The interfaces that accessibility.cpp hands out for the view's widgets.
#include <QAccessibleWidget>
#include <QPointer>

#include <map>
#include <utility>
#include <vector>

namespace vatro {

class ClientArea;
class GridView;
class OptionGroup;
class OptionView;
class WindowView;

// A window: named by its caption; a secondary window is a dialog, described by its text.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(WindowView* view);
    QString text(QAccessible::Text t) const override;

private:
    WindowView* view() const;
};

// The client area holds the print surface's text and the controls, the options of a named
// group inside that group; listed as they stand on screen, top to bottom.
class ClientAreaAccessible : public QAccessibleWidget {
public:
    explicit ClientAreaAccessible(ClientArea* area);
    ~ClientAreaAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The print surface as text, and its latest news as a notification.
    QAccessibleInterface* surfaceText() const;
    QAccessibleInterface* news() const;
    // The group of options; nullptr for an unnamed group.
    QAccessibleInterface* groupOf(const OptionGroup* group) const;

private:
    ClientArea* area() const;
    std::vector<QAccessibleInterface*> children() const;

    mutable QAccessible::Id m_text = 0;
    mutable QAccessible::Id m_news = 0;
    mutable std::map<const OptionGroup*, QAccessible::Id> m_groups;
};

// A level option, inside its group.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionView* option);

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    OptionView* option() const;
};

// A grid as a table of its data cells; the header row and column hold nothing to hear.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(GridView* grid);
    ~GridAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // Table: rows and columns count from 0 at the first data cell.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The interface of a data cell, by the grid's own row and column; nullptr for others.
    QAccessibleInterface* gridCell(int row, int col) const;
    // The cell's interface if one was handed out already, else nullptr.
    QAccessibleInterface* existingCell(int row, int col) const;

private:
    GridView* grid() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

} // namespace vatro
