#pragma once

#include "results/lessontable.h"

#include <QAbstractTableModel>

#include <vector>

namespace vatro {

// One lesson's rows from every machine as a table for the teacher: read only, one row a
// pupil in one round. The sort role orders each column as its values mean (numbers as
// numbers, no grade below 2, the computers in the lesson's own order).
class LessonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ComputerColumn,
        RoundColumn,
        NameColumn,
        GradeColumn,
        PointsColumn,
        MistakesColumn,
        ShareColumn,
        TimeColumn,
        LevelColumn,
        ModeColumn,
        QuestionsColumn,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;

    explicit LessonModel(QObject* parent = nullptr);

    void setRows(std::vector<JournalEntry> rows);
    const std::vector<JournalEntry>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<JournalEntry> m_rows;
};

} // namespace vatro
