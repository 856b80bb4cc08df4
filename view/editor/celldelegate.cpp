#include "celldelegate.h"

#include "editor/tabletext.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPersistentModelIndex>

namespace vatro {

namespace {
constexpr const char* CellProperty = "vatroCell";
} // namespace

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor)
        editor->setProperty(CellProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    return editor;
}

bool CellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (line && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        paste(line);
        return true;
    }
    if (line && event->type() == QEvent::ContextMenu) {
        // The cell's own menu, its "Вставить" doing what the keys do.
        QMenu* menu = line->createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            if (action->objectName() == QStringLiteral("edit-paste")) {
                action->disconnect();
                connect(action, &QAction::triggered, line, [this, line] { paste(line); });
            }
        }
        menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        delete menu;
        return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void CellDelegate::paste(QLineEdit* editor) {
    const QString text = QGuiApplication::clipboard()->text();
    if (editor::isTableText(text.toStdU16String()) && pastesTable) {
        const QModelIndex cell = editor->property(CellProperty).value<QPersistentModelIndex>();
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        pastesTable(cell, text);
        return;
    }
    QString line = text;
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    editor->insert(line);
}

} // namespace vatro
