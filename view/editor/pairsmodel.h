#pragma once

#include "editor/quizdocument.h"

#include <QAbstractTableModel>

namespace vatro {

// The question and answer pairs of the document as a table: a row a pair (its number in the
// row header), the question in column 0 and the answer in column 1. It only reads the
// document; an edit in a cell becomes one undoable change of the document.
class PairsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { QuestionColumn, AnswerColumn };

    explicit PairsModel(editor::QuizDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The document changed under the table: rows come and go at the end, and every cell
    // is read again, so the current cell stays where it was.
    void refresh();

    static editor::Side sideOf(int column) {
        return column == AnswerColumn ? editor::Side::Answer : editor::Side::Question;
    }
    static int columnOf(editor::Side side) {
        return side == editor::Side::Answer ? AnswerColumn : QuestionColumn;
    }

private:
    editor::QuizDocument& m_document;
    int m_rows = 0;
};

} // namespace vatro
