#include "pairsmodel.h"

#include "editor/answerwarnings.h"
#include "editorlooks.h"
#include "qttext.h"

#include <QFont>

namespace vatro {

using editor::Side;

namespace {

// The warnings of an answer, one a line.
QString answerToolTip(const std::u16string& answer) {
    QStringList lines;
    for (const editor::AnswerWarning& warning : editor::answerWarnings(answer)) {
        lines << qt(warning.text);
        if (warning.kind == editor::AnswerWarning::Kind::LowerCase)
            lines << QStringLiteral("Исправить: «Правка → Ответы — заглавными буквами».");
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

PairsModel::PairsModel(editor::QuizDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document),
      m_rows(static_cast<int>(document.pairCount())) {}

int PairsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int PairsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant PairsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_document.pairCount()))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const Side side = sideOf(index.column());
    const editor::QuizContent& content = m_document.content();
    const std::u16string& text = content.text(row, side);
    const bool present = content.has(row, side);
    const bool answer = side == Side::Answer;
    const bool warned = answer && present && !editor::answerWarnings(text).empty();
    switch (role) {
    case Qt::DisplayRole:
        if (!present)
            return QStringLiteral("нет записи");
        // As the file holds it: the game compares answers letter for letter, so an answer
        // in small letters is shown so, with its warning.
        return qt(text);
    case Qt::EditRole:
        return qt(text);
    // A screen reader hears as the cell's description what the tool tip shows.
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (!present)
            return answer ? QStringLiteral("В файле ответов нет записи для этого вопроса.")
                          : QStringLiteral("В файле вопросов нет записи для этого ответа.");
        return answer ? answerToolTip(text) : QVariant();
    case Qt::DecorationRole:
        return warned ? editorlooks::warningIcon() : QVariant();
    case Qt::BackgroundRole:
        if (!present)
            return editorlooks::missingBackground();
        return warned ? QVariant(editorlooks::warningBackground()) : QVariant();
    case Qt::ForegroundRole:
        return present ? QVariant() : QVariant(editorlooks::missingText());
    case Qt::FontRole:
        if (!present) {
            QFont italic;
            italic.setItalic(true);
            return italic;
        }
        return {};
    default:
        return {};
    }
}

QVariant PairsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::DisplayRole)
        return section == AnswerColumn ? QStringLiteral("Ответ") : QStringLiteral("Вопрос");
    if (role == Qt::ToolTipRole)
        return section == AnswerColumn ? QStringLiteral("Файл vatroo.txt")
                                       : QStringLiteral("Файл vatrov.txt");
    return {};
}

Qt::ItemFlags PairsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool PairsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole ||
        index.row() >= static_cast<int>(m_document.pairCount()))
        return false;
    // The document tells the window of the change, which refreshes this model.
    return m_document.setText(static_cast<std::size_t>(index.row()), sideOf(index.column()),
                              value.toString().toStdU16String());
}

void PairsModel::refresh() {
    const int rows = static_cast<int>(m_document.pairCount());
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, m_rows - 1));
}

} // namespace vatro
