#include "boardmodel.h"

#include "editorlooks.h"
#include "quiz/characters.h"

namespace vatro {

namespace {

// A cell the game shows as one letter a pupil can pick: empty, or a single character that
// is not a blank (a letter beyond the basic plane is one character).
bool isSoundCell(const std::u16string& text) {
    return text.empty() || (characterCount(text) == 1 && text[0] != u' ');
}

} // namespace

BoardModel::BoardModel(editor::QuizDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {}

int BoardModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(BoardRows);
}

int BoardModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(BoardColumns);
}

QVariant BoardModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const std::size_t cell = editor::cellIndex(static_cast<std::size_t>(index.row()),
                                               static_cast<std::size_t>(index.column()));
    const auto& board = m_document.content().board;
    const std::u16string text = cell < board.size() ? board[cell] : std::u16string();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdU16String(text);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return isSoundCell(text) ? QVariant() : QVariant(editorlooks::warningBackground());
    case Qt::ToolTipRole:
        return isSoundCell(text)
                   ? QVariant()
                   : QVariant(QStringLiteral("В клетке должна быть одна буква без пробелов."));
    default:
        return {};
    }
}

QVariant BoardModel::headerData(int section, Qt::Orientation, int role) const {
    if (role == Qt::DisplayRole)
        return section + 1;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags BoardModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool BoardModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return m_document.setCell(editor::cellIndex(static_cast<std::size_t>(index.row()),
                                                static_cast<std::size_t>(index.column())),
                              value.toString().toStdU16String());
}

void BoardModel::refresh() {
    emit dataChanged(index(0, 0), index(BoardRows - 1, BoardColumns - 1));
}

QModelIndex BoardModel::cellAt(const QAbstractItemModel& model, std::size_t cell) {
    if (cell >= BoardCells)
        return {};
    return model.index(static_cast<int>(cell / BoardColumns),
                       static_cast<int>(cell % BoardColumns));
}

} // namespace vatro
