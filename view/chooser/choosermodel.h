#pragma once
// The chooser's table: one row a quiz of the library, in the library's order.

#include "library/quizsummary.h"

#include <QAbstractTableModel>

#include <vector>

namespace vatro {

class ChooserModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, QuestionsColumn, ChangedColumn, CheckColumn, HomeColumn, Columns };

    explicit ChooserModel(std::vector<library::QuizSummary> quizzes, QObject* parent = nullptr);

    const library::QuizSummary& quiz(int row) const {
        return m_quizzes.at(static_cast<std::size_t>(row));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<library::QuizSummary> m_quizzes;
};

} // namespace vatro
