#pragma once

#include "editor/livefindings.h"
#include "editor/quizdocument.h"
#include "view/firstframe.h"

#include <QMainWindow>
#include <QTimer>

#include <filesystem>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace vatro {

class BoardModel;
class CellDelegate;
class PairsModel;

// The teacher's quiz editor: the pairs, the letter board and the help text of one quiz
// folder, the checker's findings on them as she types, and the files saved as the game
// reads them. A humble view on editor::QuizDocument: every edit is a call on the document,
// and the window shows what the document then holds.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Opens the quiz of the folder (a folder without quiz files starts a new quiz there).
    // On failure the window keeps what it had and the Russian reason is returned.
    std::u16string openFolder(const std::filesystem::path& folder);

    // Ctrl+S, with the questions a save may need; true when everything is saved.
    bool save();

    editor::QuizDocument& document() { return m_document; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (editorwindow.cpp).
    QWidget* buildPairsPanel();
    QWidget* buildBoardPanel();
    QWidget* buildHelpPanel();
    QWidget* buildFindingsPanel();
    // The cell editor of a table, whose paste of a table goes to the table.
    CellDelegate* tableCells(QTableView* table);
    // Menus and commands (editoractions.cpp).
    void buildActions();
    void insertPairAt(int row);
    void deleteChosenPairs();
    void movePair(int by);
    void buildBoard();
    int currentPairRow() const;
    void choosePair(int row, int column);
    // Clipboard (editorclipboard.cpp): the table with the focus, the pairs otherwise.
    QTableView* chosenTableView() const;
    void cutChosen();
    bool copyChosen();
    void pasteClipboard();
    void pasteTable(QTableView* table, const QModelIndex& at, const QString& text);
    void capitalizeChosenAnswers();
    // Folders and saving (editorfiles.cpp).
    void showFirstPairHint();
    void chooseFolderToOpen();
    void chooseFolderToCreate();
    void chooseFolderToSaveAs();
    bool maybeSave();
    void finishTypedCell();
    // Saves into the document's folder, or with a target into that folder ("Сохранить как…"),
    // asking the plan's questions once.
    bool saveTo(const std::filesystem::path& target);
    // The plan's questions asked once; none when the teacher turned back.
    std::optional<editor::SaveChoices> askBeforeSaving(const editor::SavePlan& plan);
    // "Играть" (F5): the game on the folder, once what it would read is saved.
    void play();
    // Showing the document (editorstatus.cpp).
    void documentChanged(editor::QuizPart part);
    // The findings and counts follow the document once per burst of changes.
    void statusChanged();
    void drawTexts(bool drawn);
    void firstFrameShown();
    void showHelpText();
    void refreshStatus();
    void refreshFindings();
    void refreshCounts();
    void refreshBoardSummary();
    void refreshHelpCount();
    void refreshTitle();
    void chooseFinding(int row);

    editor::QuizDocument m_document;
    PairsModel* m_pairsModel = nullptr;
    BoardModel* m_boardModel = nullptr;
    QTableView* m_pairs = nullptr;
    QTableView* m_board = nullptr;
    QPlainTextEdit* m_help = nullptr;
    QListWidget* m_findings = nullptr;
    QLabel* m_pairCounts = nullptr;
    QLabel* m_boardSummary = nullptr;
    QLabel* m_helpCount = nullptr;
    QLabel* m_findingsTitle = nullptr;
    QSpinBox* m_seed = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_addPair = nullptr;
    QAction* m_insertPair = nullptr;
    QAction* m_deletePair = nullptr;
    QAction* m_moveUp = nullptr;
    QAction* m_moveDown = nullptr;
    std::vector<editor::EditorFinding> m_shownFindings;
    // The status line says "добавьте первую пару" until there is one.
    bool m_firstPairHint = false;
    // The help text is being set from the document, not typed.
    bool m_showingHelp = false;
    // Findings and counts follow the document once per burst of changes.
    QTimer m_statusTimer;
    // The window's first frame holds its frame, menus and panels; the tables, the help text,
    // the findings and the counts follow just after it, so that the teacher sees the window
    // sooner.
    bool m_framed = false;
    FirstFrameWatch m_firstFrame{*this, [this] { firstFrameShown(); }};
};

} // namespace vatro
