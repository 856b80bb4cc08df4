// "Играть" (F5) and "Сохранить как…" in the editor's window: the game is started on the
// folder once what it reads is saved, and the quiz is copied into a new quiz of ~/Ватро
// named by the teacher, who goes on editing the copy.
#include "editortest.h"
#include "modaldriver.h"

#include "library/playedquizzes.h"
#include "library/quizlibrary.h"
#include "view/quiznamedialog.h"
#include "view/startgame.h"

#include <QLineEdit>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

QAction& fileMenuAction(EditorWindow& editor, const QString& text) {
    for (QAction* menu : editor.menuBar()->actions()) {
        for (QAction* action : menu->menu() ? menu->menu()->actions() : QList<QAction*>()) {
            if (action->text() == text)
                return *action;
        }
    }
    throw std::logic_error("no menu entry " + text.toStdString());
}

class EditorPlay : public EditorTest {
protected:
    EditorPlay() {
        m_starter = setGameStarter([this](const fs::path& folder) {
            started.push_back(folder);
            return true;
        });
    }
    ~EditorPlay() override { setGameStarter(std::move(m_starter)); }

    std::vector<fs::path> started; // the folders the game was started on

private:
    GameStarter m_starter;
};

TEST_F(EditorPlay, F5AsksToSaveThenPlaysTheFolderAndRemembersItAsPlayed) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    activate(editor);
    auto& pairs = part<QTableView>(editor, "pairs");
    pairs.setFocus();
    pairs.setCurrentIndex(pairs.model()->index(0, 1));
    type(QStringLiteral("ВАТТ")); // still in the cell's editor when F5 comes
    answerQuestions({QStringLiteral("Отмена")});
    keys(Qt::Key_F5);
    EXPECT_TRUE(started.empty());
    activate(editor); // the question box took the focus away
    answerQuestions({QStringLiteral("Сохранить и играть")});
    keys(Qt::Key_F5);
    EXPECT_EQ(asked, QStringList(2, QStringLiteral("Сохранить викторину перед игрой?")));
    EXPECT_EQ(started, std::vector<fs::path>{quiz.path()});
    EXPECT_EQ(fileBytes("vatroo.txt").rfind(encodeCp1251(u"ВАТТ\r\n"), 0), 0u);
    EXPECT_EQ(library::readPlayed(*library::playedListFile()).front(), quiz.path());
    // Nothing unsaved: F5 plays at once.
    activate(editor);
    keys(Qt::Key_F5);
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(started.size(), 2u);
}

TEST_F(EditorPlay, SaveAsCopiesIntoANewQuizByNameAndRefusesATakenOne) {
    startViews();
    EditorWindow& editor = chooseEditorInMenu();
    activate(editor);
    const fs::path own = *library::ownQuizRoot();
    fs::create_directories(own / pathFromUtf8("Оптика"));
    QString refusal;
    const auto name = [](QuizNameDialog& dialog, const QString& text) {
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
        field->setText(text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    ModalDriver<QuizNameDialog> teacher({
        [&](QuizNameDialog& dialog) { name(dialog, QStringLiteral("Оптика")); },
        [&](QuizNameDialog& dialog) {
            refusal = dialog.findChild<QLabel*>(QStringLiteral("problem"))->text();
            name(dialog, QStringLiteral("Магнетизм"));
        },
    });
    fileMenuAction(editor, QStringLiteral("Сохранить как…")).trigger();
    settle();
    EXPECT_TRUE(teacher.finished());
    EXPECT_TRUE(refusal.contains(QStringLiteral("уже занято"))) << refusal.toStdString();
    const fs::path copy = own / pathFromUtf8("Магнетизм");
    EXPECT_EQ(editor.document().folder(), copy);
    EXPECT_TRUE(editor.windowTitle().startsWith(QStringLiteral("~/Ватро/Магнетизм")))
        << editor.windowTitle().toStdString();
    const auto library = library::findQuizzes({own, {}, std::nullopt});
    EXPECT_NE(
        std::find(library.begin(), library.end(), library::QuizPlace{copy, library::Home::Own}),
        library.end());
    activate(editor);
    keys(Qt::Key_F5);
    EXPECT_EQ(started, std::vector<fs::path>{copy});
}

} // namespace
} // namespace vatro::testing
