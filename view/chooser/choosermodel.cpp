#include "choosermodel.h"

#include "quiz/textcodec.h"
#include "view/editor/editorlooks.h"

#include <QDateTime>
#include <QDir>

namespace vatro {

namespace {

QString homeText(library::Home home) {
    switch (home) {
    case library::Home::Own:
        return QStringLiteral("своя");
    case library::Home::School:
        return QStringLiteral("школьная");
    case library::Home::Sample:
        break;
    }
    return QStringLiteral("пример");
}

QString checkText(const library::QuizSummary& quiz) {
    return quiz.errors == 0 ? QStringLiteral("в порядке")
                            : QStringLiteral("ошибок: %1").arg(quiz.errors);
}

QString checkTip(const library::QuizSummary& quiz) {
    if (quiz.errors == 0)
        return QStringLiteral("vatro-check не нашёл ошибок.");
    QString tip = QString::fromStdU16String(quiz.firstError);
    if (quiz.errors > 1)
        tip += QStringLiteral("\n…и ещё ошибок: %1.").arg(quiz.errors - 1);
    return tip + QStringLiteral("\nВсе — в редакторе или командой vatro-check.");
}

QString changedText(const library::QuizSummary& quiz) {
    if (!quiz.changed)
        return QStringLiteral("—");
    return QDateTime::fromSecsSinceEpoch(*quiz.changed)
        .toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

ChooserModel::ChooserModel(std::vector<library::QuizSummary> quizzes, QObject* parent)
    : QAbstractTableModel(parent), m_quizzes(std::move(quizzes)) {}

int ChooserModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_quizzes.size());
}

int ChooserModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ChooserModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const library::QuizSummary& shown = quiz(index.row());
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::DisplayRole) {
        switch (column) {
        case NameColumn:
            return QString::fromStdU16String(shown.name);
        case QuestionsColumn:
            return static_cast<qulonglong>(shown.questions);
        case ChangedColumn:
            return changedText(shown);
        case CheckColumn:
            return checkText(shown);
        case HomeColumn:
            return homeText(shown.place.home);
        case Columns:
            break;
        }
    }
    if (role == Qt::DecorationRole && column == CheckColumn && shown.errors != 0)
        return editorlooks::warningIcon();
    if (role == Qt::ToolTipRole) {
        if (column == CheckColumn)
            return checkTip(shown);
        return QDir::toNativeSeparators(QString::fromStdU16String(displayPath(shown.place.folder)));
    }
    if (role == Qt::TextAlignmentRole && column == QuestionsColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ChooserModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (static_cast<Column>(section)) {
    case NameColumn:
        return QStringLiteral("Викторина");
    case QuestionsColumn:
        return QStringLiteral("Вопросов");
    case ChangedColumn:
        return QStringLiteral("Изменена");
    case CheckColumn:
        return QStringLiteral("Проверка");
    case HomeColumn:
        return QStringLiteral("Где");
    case Columns:
        break;
    }
    return {};
}

} // namespace vatro
