#include "lessonmodel.h"

#include "view/editor/qttext.h"

#include <array>

namespace vatro {

namespace {

struct ColumnLook {
    const char16_t* title;
    const char16_t* tip;
    bool number;
};

constexpr std::array<ColumnLook, LessonModel::ColumnCount> Columns = {{
    {u"Компьютер", u"Компьютер, на котором шла игра", false},
    {u"Тур", u"«Сброс» начинает на компьютере следующий тур", true},
    {u"Фамилия или команда", u"Что ввели в «Новый игрок»", false},
    {u"Оценка", u"Оценка последнего «Результата» в этом туре", true},
    {u"Баллов", u"Верных ответов", true},
    {u"Ошибок", u"Неверных ответов", true},
    {u"Верных, %", u"Доля верных среди всех ответов, целыми процентами", true},
    {u"Время", u"Минуты и секунды от начала игры до последнего хода", true},
    {u"Уровень", u"Уровень последней игры", false},
    {u"Режим", u"Режим последней игры", false},
    {u"Вопросов", u"Сколько вопросов задано в последней игре", true},
}};

// An empty cell: no grade, no answer judged, no time yet.
QVariant numberOrNothing(int value, int none) {
    return value == none ? QVariant() : QVariant(value);
}

} // namespace

LessonModel::LessonModel(QObject* parent) : QAbstractTableModel(parent) {}

void LessonModel::setRows(std::vector<JournalEntry> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int LessonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LessonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LessonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const JournalEntry& entry = m_rows[static_cast<std::size_t>(index.row())];
    const JournalRow& row = entry.row;
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Columns[column].number ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && column == NameColumn)
        return qt(row.quizFolder).isEmpty()
                   ? QVariant()
                   : QStringLiteral("Папка вопросов: ") + qt(row.quizFolder);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sorting = role == SortRole;
    switch (column) {
    case ComputerColumn:
        // The lesson's rows come in the computers' own order: pc2 before pc10.
        return sorting ? QVariant(index.row()) : QVariant(qt(row.computer));
    case RoundColumn:
        return row.round;
    case NameColumn:
        return qt(row.name);
    case GradeColumn:
        return sorting ? QVariant(row.grade) : numberOrNothing(row.grade, 0);
    case PointsColumn:
        return row.points;
    case MistakesColumn:
        return row.mistakes;
    case ShareColumn:
        return sorting ? QVariant(entry.rightShare) : numberOrNothing(entry.rightShare, -1);
    case TimeColumn:
        return sorting ? QVariant(timeUsedSeconds(row)) : QVariant(qt(timeUsedText(row)));
    case LevelColumn:
        return qt(row.level);
    case ModeColumn:
        return qt(row.mode);
    case QuestionsColumn:
        return row.questionsPosed;
    case ColumnCount:
        break;
    }
    return {};
}

QVariant LessonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(Columns[section].title);
    if (role == Qt::ToolTipRole)
        return QString::fromUtf16(Columns[section].tip);
    return {};
}

} // namespace vatro
