#pragma once

#include "editor/quizdocument.h"

#include <QAbstractTableModel>

namespace vatro {

// The letter board of the document as the game's 17 rows of 20 cells, one letter a cell.
// An edit in a cell becomes one undoable change of the document.
class BoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BoardModel(editor::QuizDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Every cell is read again from the document.
    void refresh();

    static QModelIndex cellAt(const QAbstractItemModel& model, std::size_t cell);

private:
    editor::QuizDocument& m_document;
};

} // namespace vatro
