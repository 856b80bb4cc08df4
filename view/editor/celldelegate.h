#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QLineEdit;

namespace vatro {

// The editor of a table cell. A paste of a table into it (tabs or line breaks, as a
// spreadsheet copies a range) is handed to the table instead of filling the one cell, and
// the line end a spreadsheet adds to one copied cell is left out.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The cell being edited and the text; the cell's editor is closed by then.
    std::function<void(const QModelIndex& cell, const QString& table)> pastesTable;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paste(QLineEdit* editor);
};

} // namespace vatro
