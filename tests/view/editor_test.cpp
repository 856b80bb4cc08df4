// The quiz editor's window: opened from the game's "Редактор", driven from the keyboard,
// saving what a new game then plays, and showing in its tables what the document holds.
#include "editortest.h"

#include "editor/quizdocument.h"
#include "support/gamesnapshot.h"

#include <QAccessible>

namespace vatro::testing {
namespace {

using editor::QuizPart;

// "Редактор" opens the editor beside the game on the game's folder and leaves the game as
// it was; a pair edited in place and saved with Ctrl+S is what a new game then asks.
TEST_F(EditorTest, RedaktorOpensTheGameFolderAndASavedPairIsPlayedByANewGame) {
    startViews();
    const GameSnapshot before = GameSnapshot::of(form());
    EditorWindow& editor = chooseEditorInMenu();
    EXPECT_EQ(editor.document().folder(), quiz.path());
    EXPECT_EQ(differences(before, GameSnapshot::of(form())), "");
    EXPECT_EQ(screen(), "");
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_FALSE(editor.isModal());
    EXPECT_NE(editor.parentWidget(), &mainView()) << "a window of its own, not the game's child";
    // A second choice brings the same window forward.
    EXPECT_EQ(&chooseEditorInMenu(), &editor);

    activate(editor);
    auto& pairs = part<QTableView>(editor, "pairs");
    pairs.setFocus();
    pairs.setCurrentIndex(pairs.model()->index(1, 0));
    type(QStringLiteral("Единица электрического заряда?"));
    keys(Qt::Key_Tab);
    type(QStringLiteral("КУЛОН"));
    keys(Qt::Key_Return);
    EXPECT_TRUE(editor.isWindowModified());
    EXPECT_EQ(pairs.model()->index(1, 1).data().toString(), QStringLiteral("КУЛОН"));
    keys(QKeySequence::Save);
    EXPECT_FALSE(editor.isWindowModified());
    EXPECT_TRUE(editor.statusBar()->currentMessage().contains(QStringLiteral("«Сброс»")))
        << editor.statusBar()->currentMessage().toStdString();

    views.reset();
    play(&Form1::Command9); // "Игра1": the word from the list
    form().Command2.click();
    EXPECT_NE(screen().find("Единица электрического заряда?"), std::string::npos) << screen();
    const int row = rowShowing(u"КУЛОН");
    ASSERT_NE(row, 0);
    pressWord(row);
    pressWord(row, mouse::Middle);
    EXPECT_NE(screen().find("ВЕРНО"), std::string::npos) << screen();
}

// Everything from the keyboard: a new pair, a board built for it, moves, deletion, undo
// and redo, the help text, and a save that a game of letters then plays through.
TEST_F(EditorTest, KeyboardAloneMakesAPairBuildsItsBoardAndSaves) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    activate(editor);
    auto& pairs = part<QTableView>(editor, "pairs");
    keys(QKeySequence(Qt::ALT | Qt::Key_1));
    ASSERT_EQ(QApplication::focusWidget(), &pairs);

    keys(QKeySequence(Qt::CTRL | Qt::Key_Return)); // a new pair at the end
    EXPECT_EQ(editor.document().pairCount(), 4u);
    EXPECT_EQ(pairs.currentIndex(), pairs.model()->index(3, 0));
    type(QStringLiteral("Прибор для измерения силы тока?"));
    keys(Qt::Key_Tab);
    type(QStringLiteral("АМПЕРМЕТР"));
    keys(Qt::Key_Return);
    EXPECT_EQ(editor.document().content().answers.at(3), u"АМПЕРМЕТР");
    auto& summary = part<QLabel>(editor, "boardSummary");
    EXPECT_TRUE(summary.text().contains(QStringLiteral("не хватает")))
        << summary.text().toStdString();

    // Up to the top and back down one: moves carry the cursor with the pair.
    pairs.setCurrentIndex(pairs.model()->index(3, 1));
    for (int n = 0; n < 3; ++n)
        keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up));
    EXPECT_EQ(editor.document().content().answers.front(), u"АМПЕРМЕТР");
    keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down));
    EXPECT_EQ(editor.document().content().answers.at(1), u"АМПЕРМЕТР");
    EXPECT_EQ(pairs.currentIndex().row(), 1);

    // A deleted pair comes back with Ctrl+Z and goes again with Ctrl+Y.
    pairs.setCurrentIndex(pairs.model()->index(2, 0));
    keys(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    EXPECT_EQ(editor.document().pairCount(), 3u);
    keys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(editor.document().pairCount(), 4u);
    EXPECT_EQ(pairs.model()->index(2, 1).data().toString(), QStringLiteral("ВОЛЬТ"));
    keys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(editor.document().pairCount(), 3u);
    keys(QKeySequence(Qt::CTRL | Qt::Key_Z));

    // The board: letters typed go cell after cell; Ctrl+B builds one that lacks nothing.
    keys(QKeySequence(Qt::ALT | Qt::Key_2));
    auto& board = part<QTableView>(editor, "board");
    ASSERT_EQ(QApplication::focusWidget(), &board);
    board.setCurrentIndex(board.model()->index(16, 17));
    type(QStringLiteral("ЯЮ"));
    EXPECT_EQ(editor.document().content().board.at(337), u"Я");
    EXPECT_EQ(editor.document().content().board.at(338), u"Ю");
    EXPECT_EQ(board.currentIndex(), board.model()->index(16, 19));
    keys(Qt::Key_Backspace);
    EXPECT_EQ(editor.document().content().board.at(338), u"");
    keys(QKeySequence(Qt::CTRL | Qt::Key_B));
    EXPECT_EQ(editor.document().letterSupply().lackingTotal(), 0u);
    EXPECT_FALSE(summary.text().contains(QStringLiteral("не хватает")));
    EXPECT_TRUE(editor.statusBar()->currentMessage().contains(
        QString::number(part<QSpinBox>(editor, "seed").value())));

    // The help text, typed, is part of the quiz and of its undo.
    keys(QKeySequence(Qt::ALT | Qt::Key_3));
    auto& help = part<QPlainTextEdit>(editor, "help");
    ASSERT_EQ(QApplication::focusWidget(), &help);
    type(QStringLiteral("Удачи!"));
    EXPECT_EQ(editor.document().content().help, std::vector<std::u16string>{u"Удачи!"});
    keys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(editor.document().content().help.empty());
    EXPECT_EQ(help.toPlainText(), QString());
    keys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(help.toPlainText(), QStringLiteral("Удачи!"));

    keys(QKeySequence::Save);
    EXPECT_FALSE(editor.document().isModified());
    EXPECT_NE(fileBytes("Справка1.txt").find("\xD3\xE4\xE0\xF7\xE8!"), std::string::npos)
        << "Windows-1251, as the folder was";

    // A new game of letters spells the new answer from the board that was built for it.
    views.reset();
    play(&Form1::Command8); // "Игра2", the first question
    form().Command2.click();
    EXPECT_NE(screen().find("Прибор для измерения силы тока?"), std::string::npos) << screen();
    spell(u"АМПЕРМЕТР");
    pressGrid1(mouse::Middle);
    EXPECT_NE(screen().find("ВЕРНО"), std::string::npos) << screen();
}

// What the tables show is what the document holds: answers as written, small letters with a
// warning and its fix, a pair without its question marked, the board's cells, the counts,
// and a finding that takes the cursor to its record.
TEST_F(EditorTest, TablesShowTheDocumentAndAFindingSelectsItsRecord) {
    quiz.writeAnswers({u"ом", u"ВОЛЬТ", u"ТОК", u"ВАТТ"});
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    QAbstractItemModel& pairs = *part<QTableView>(editor, "pairs").model();
    ASSERT_EQ(pairs.rowCount(), 4);
    EXPECT_EQ(pairs.index(0, 1).data().toString(), QStringLiteral("ом"));
    EXPECT_FALSE(pairs.index(0, 1).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(pairs.index(0, 1)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("Ответы — заглавными буквами")));
    EXPECT_TRUE(pairs.index(1, 1).data(Qt::DecorationRole).isNull());
    // A screen reader hears the table's name and the warning as the cell's description.
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(&part<QTableView>(editor, "pairs"));
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Вопросы и ответы"));
    EXPECT_TRUE(table->tableInterface()
                    ->cellAt(0, 1)
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("маленькие буквы")));
    EXPECT_EQ(pairs.index(3, 0).data().toString(), QStringLiteral("нет записи"));
    EXPECT_EQ(pairs.headerData(3, Qt::Vertical).toInt(), 4);

    QAbstractItemModel& board = *part<QTableView>(editor, "board").model();
    EXPECT_EQ(board.rowCount(), 17);
    EXPECT_EQ(board.columnCount(), 20);
    EXPECT_EQ(board.index(0, 2).data().toString(), QStringLiteral("В"));
    EXPECT_EQ(board.index(1, 3).data().toString(), QStringLiteral("Ф"));
    EXPECT_EQ(board.index(1, 4).data().toString(), QString()) << "24 letters: row 2 holds 4";
    EXPECT_EQ(part<QLabel>(editor, "pairCounts").text(),
              QStringLiteral("вопросов 3 из 50 · ответов 4 из 49"));

    auto& findings = part<QListWidget>(editor, "findings");
    int mismatch = -1;
    for (int n = 0; n < findings.count(); ++n) {
        if (findings.item(n)->text().startsWith(QStringLiteral("vatroo.txt, запись 4")))
            mismatch = n;
    }
    ASSERT_NE(mismatch, -1) << "an answer without its question is a finding";
    activate(editor);
    findings.setFocus();
    findings.setCurrentRow(mismatch);
    keys(Qt::Key_Return);
    auto& pairsView = part<QTableView>(editor, "pairs");
    EXPECT_EQ(QApplication::focusWidget(), &pairsView);
    EXPECT_EQ(pairsView.currentIndex(), pairs.index(3, 1));

    // The findings follow the typing.
    const int count = findings.count();
    editor.document().setText(3, editor::Side::Question, u"Единица мощности?");
    settle();
    EXPECT_LT(findings.count(), count);
    picture(editor, "editor.png");
}

// A new quiz from an empty folder, with nothing but the editor: two pairs, a board built
// for them, a help line; the game started on that folder plays it.
TEST_F(EditorTest, ANewQuizFromAnEmptyFolderIsPlayedByTheGame) {
    QuizFolder empty;
    EditorWindow& editor = *new EditorWindow;
    ASSERT_EQ(editor.openFolder(empty.path()), u"");
    editor.show();
    activate(editor);
    EXPECT_TRUE(editor.windowTitle().endsWith(QStringLiteral("[*] — Редактор викторины Ватро")));
    for (const auto& [question, answer] :
         {std::pair(QStringLiteral("Единица силы тока?"), QStringLiteral("АМПЕР")),
          std::pair(QStringLiteral("Единица заряда?"), QStringLiteral("КУЛОН"))}) {
        keys(QKeySequence(Qt::CTRL | Qt::Key_Return));
        type(question);
        keys(Qt::Key_Tab);
        type(answer);
        keys(Qt::Key_Return);
    }
    keys(QKeySequence(Qt::CTRL | Qt::Key_B));
    keys(QKeySequence(Qt::ALT | Qt::Key_3));
    type(QStringLiteral("Удачи!"));
    keys(QKeySequence::Save);
    EXPECT_FALSE(editor.isWindowModified());
    for (const char* name : {"vatro.txt", "vatroo.txt", "vatrov.txt", "Справка1.txt"})
        EXPECT_TRUE(std::filesystem::is_regular_file(empty.path() / pathFromUtf8(name))) << name;

    host.folder = empty.path();
    play(&Form1::Command8); // "Игра2"
    EXPECT_EQ(form().QuestionCount, 2);
    form().Command2.click();
    EXPECT_NE(screen().find("Единица заряда?"), std::string::npos) << screen();
    spell(u"КУЛОН");
    pressGrid1(mouse::Middle);
    EXPECT_NE(screen().find("ВЕРНО"), std::string::npos) << screen();
}

} // namespace
} // namespace vatro::testing
