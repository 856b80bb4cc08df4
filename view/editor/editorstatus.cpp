// What the editor shows of the document besides its tables: the findings, the counts
// against capacity, what the board lacks and holds spare, the help text and the title.
#include "editorwindow.h"

#include "ui/helpwindow.h"

#include "boardmodel.h"
#include "editorlooks.h"
#include "pairsmodel.h"
#include "qttext.h"
#include "quiz/textcodec.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>

namespace vatro {

using editor::QuizPart;

namespace {

QString findingText(const Finding& finding) {
    QString place = QString::fromStdString(finding.file);
    if (finding.record > 0)
        place += QStringLiteral(", запись %1").arg(finding.record);
    return place + QStringLiteral(": ") + qt(finding.what);
}

QIcon findingIcon(Finding::Severity severity) {
    switch (severity) {
    case Finding::Severity::Note:
        return editorlooks::noteIcon();
    case Finding::Severity::Problem:
        return editorlooks::warningIcon();
    case Finding::Severity::Unreadable:
        break;
    }
    return editorlooks::problemIcon();
}

} // namespace

void EditorWindow::documentChanged(QuizPart part) {
    switch (part) {
    case QuizPart::Answers:
    case QuizPart::Questions:
        m_pairsModel->refresh();
        break;
    case QuizPart::Board:
        m_boardModel->refresh();
        break;
    case QuizPart::Help:
        showHelpText();
        break;
    }
    // The hint for an empty quiz goes with its reason.
    if (m_firstPairHint && m_document.pairCount() > 0) {
        m_firstPairHint = false;
        statusBar()->clearMessage();
    }
    // An action may change several files: the findings follow once, after all of them.
    statusChanged();
    refreshTitle();
}

void EditorWindow::statusChanged() {
    if (m_framed)
        m_statusTimer.start();
}

// The tables and the help text: their letters are most of what a first frame would shape.
void EditorWindow::drawTexts(bool drawn) {
    for (QWidget* text : {static_cast<QWidget*>(m_pairs), static_cast<QWidget*>(m_board),
                          static_cast<QWidget*>(m_help)})
        text->setUpdatesEnabled(drawn);
}

void EditorWindow::firstFrameShown() {
    m_framed = true;
    drawTexts(true);
    refreshStatus();
}

void EditorWindow::showHelpText() {
    const QString text = qt(m_document.helpText());
    if (text == m_help->toPlainText())
        return; // typed here: the cursor stays where it is
    const int position = m_help->textCursor().position();
    m_showingHelp = true;
    m_help->setPlainText(text);
    m_showingHelp = false;
    QTextCursor cursor = m_help->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text.size())));
    m_help->setTextCursor(cursor);
    refreshHelpCount();
}

void EditorWindow::refreshStatus() {
    refreshFindings();
    refreshCounts();
    refreshBoardSummary();
    refreshHelpCount();
    refreshTitle();
}

void EditorWindow::refreshFindings() {
    m_shownFindings = editor::liveFindings(m_document);
    m_findings->clear();
    for (const editor::EditorFinding& found : m_shownFindings) {
        auto* item = new QListWidgetItem(findingIcon(found.finding.severity),
                                         findingText(found.finding), m_findings);
        if (!found.finding.fix.empty())
            item->setToolTip(QStringLiteral("Как исправить: ") + qt(found.finding.fix));
    }
    m_findingsTitle->setText(m_shownFindings.empty()
                                 ? QStringLiteral("Замечаний нет")
                                 : QStringLiteral("Замечания: %1").arg(m_shownFindings.size()));
}

void EditorWindow::refreshCounts() {
    const editor::QuizContent& content = m_document.content();
    const std::size_t pairs = m_document.pairCount();
    QString text = QStringLiteral("вопросов %1 из %2 · ответов %3 из %4")
                       .arg(content.questions.size())
                       .arg(editor::MaxQuestions)
                       .arg(content.answers.size())
                       .arg(editor::MaxAnswers);
    if (!m_document.canAddPair())
        text += QStringLiteral(" · больше не поместится");
    m_pairCounts->setText(text);
    const bool room = m_document.canAddPair();
    m_addPair->setEnabled(room);
    m_insertPair->setEnabled(room);
    m_deletePair->setEnabled(pairs > 0);
    m_moveUp->setEnabled(pairs > 1);
    m_moveDown->setEnabled(pairs > 1);
}

void EditorWindow::refreshBoardSummary() {
    const LetterSupply supply = m_document.letterSupply();
    const std::size_t needed = supply.neededTotal();
    const QString red = QStringLiteral("<span style=\"color:#b00020\"><b>%1</b></span>");
    QString text;
    if (needed > BoardCells)
        text = red.arg(QStringLiteral("Ответам нужно %1 букв, а на табло %2 клеток: табло не "
                                      "собрать, сократите ответы.")
                           .arg(needed)
                           .arg(BoardCells));
    else
        text = QStringLiteral("Ответам нужно %1 букв из %2 клеток.").arg(needed).arg(BoardCells);
    const std::u16string lacking = editor::lackingText(supply);
    text += QLatin1Char(' ') + (lacking.empty() ? QStringLiteral("Табло хватает на все ответы.")
                                                : red.arg(qt(lacking).toHtmlEscaped()));
    if (const std::u16string spare = editor::spareText(supply); !spare.empty())
        text += QStringLiteral("<br><span style=\"color:#5f6368\">%1</span>")
                    .arg(qt(spare).toHtmlEscaped());
    m_boardSummary->setText(text);
}

void EditorWindow::refreshHelpCount() {
    const int lines = static_cast<int>(m_document.content().help.size());
    const int shown = static_cast<int>(HelpWindowLines);
    QString text = QStringLiteral("строк: %1 · окно справки показывает %2").arg(lines).arg(shown);
    if (lines > shown)
        text = QStringLiteral("<span style=\"color:#b00020\">%1, остальные ученик не увидит</span>")
                   .arg(text);
    m_helpCount->setText(text);
}

void EditorWindow::refreshTitle() {
    QString folder = QDir::toNativeSeparators(qt(displayPath(m_document.folder())));
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder.startsWith(home + QDir::separator()))
        folder = QStringLiteral("~") + folder.mid(home.size());
    if (folder.isEmpty())
        folder = QStringLiteral("Новая викторина");
    setWindowTitle(folder + QStringLiteral("[*] — Редактор викторины Ватро"));
    setWindowModified(m_document.isModified());
    m_undo->setEnabled(m_document.canUndo());
    m_undo->setText(qt(m_document.undoText()));
    m_redo->setEnabled(m_document.canRedo());
    m_redo->setText(qt(m_document.redoText()));
}

void EditorWindow::chooseFinding(int row) {
    if (row < 0 || row >= static_cast<int>(m_shownFindings.size()))
        return;
    const editor::FindingPlace& place = m_shownFindings[static_cast<std::size_t>(row)].place;
    if (!place.index)
        return;
    const std::size_t at = *place.index;
    switch (place.part) {
    case QuizPart::Answers:
    case QuizPart::Questions:
        choosePair(static_cast<int>(at), PairsModel::columnOf(place.side));
        m_pairs->setFocus(Qt::OtherFocusReason);
        break;
    case QuizPart::Board:
        if (const QModelIndex cell = BoardModel::cellAt(*m_boardModel, at); cell.isValid()) {
            m_board->setCurrentIndex(cell);
            m_board->setFocus(Qt::OtherFocusReason);
        }
        break;
    case QuizPart::Help:
        if (const QTextBlock block = m_help->document()->findBlockByNumber(static_cast<int>(at));
            block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            m_help->setTextCursor(cursor);
            m_help->setFocus(Qt::OtherFocusReason);
        }
        break;
    }
}

} // namespace vatro
