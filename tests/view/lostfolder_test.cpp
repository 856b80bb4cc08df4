// The quiz folder vanishes while the class plays, and the game meets an exception nobody
// foresaw: every button a player can reach reports it, the game goes on, and no player's
// results are lost.
#include "support/gamesnapshot.h"
#include "view/eventguard.h"
#include "view/fontmap.h"
#include "view/printview.h"
#include "view/qthost.h"
#include "view/twips.h"
#include "viewtest.h"

#include <QProcess>

#include <unistd.h>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;

// The real host, but with a name typed into its name box without a screen.
class TypingQtHost : public QtHost {
public:
    std::u16string inputBox(const std::u16string&) override { return u"Иванов"; }
};

// The test runs in the quiz folder as the game does, and leaves it afterwards.
class LostFolder : public ::testing::Test {
protected:
    LostFolder() : m_before(fs::current_path()) {
        quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
        fs::current_path(quiz.path());
    }
    ~LostFolder() override { fs::current_path(m_before); }

    // The folder deleted under the game's feet, and a fresh copy of it put back under the
    // same name: not the folder the game was started in.
    void replaceFolder() {
        fs::remove_all(quiz.path());
        fs::create_directory(quiz.path());
        quiz.writeQuiz(SmallQuiz::letters(), SmallQuiz::answers(), SmallQuiz::questions());
    }

    QuizFolder quiz;
    TypingQtHost host;

private:
    fs::path m_before;
};

TEST_F(LostFolder, ReplacedFolderIsReportedByEveryButtonThatReadsAndChangesNothing) {
    Form1 f(host);
    f.Show();
    f.Command6.click(); // "Новый игрок"
    f.Option1.click();
    f.Command10.click(); // "Обучалка"
    f.Command2.click();  // "Пуск": the first answer is ОМ
    f.Grid2.press(mouse::Left, 0, 1, 1);
    f.Grid2.keyPress(key::Return, 0);
    ASSERT_EQ(f.Points(1), 1);
    f.Command5.click(); // "Результат" lets "Новый игрок" be pressed again

    replaceFolder();
    EXPECT_FALSE(host.quizFolder().has_value());

    const GameSnapshot before = GameSnapshot::of(f);
    int reached = 0;
    for (CommandButton* button :
         {&f.Command10, &f.Command7, &f.Command6, &f.Command9, &f.Command8}) {
        if (!button->isReachable())
            continue;
        ++reached;
        ::testing::internal::CaptureStderr();
        EXPECT_NO_THROW(button->click()) << utf8(button->Caption);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("Папки, из которой запущена игра, больше нет"), std::string::npos)
            << utf8(button->Caption) << ": " << said;
        EXPECT_EQ(differences(before, GameSnapshot::of(f)), "") << utf8(button->Caption);
    }
    EXPECT_GE(reached, 4);
    f.Command4.click();                        // "Справка"
    EXPECT_NO_THROW(f.Form2.Command1.click()); // "Дополнительно"
    ASSERT_FALSE(f.Form2.surface.texts().empty());
    EXPECT_NE(f.Form2.surface.texts()[0].find(u"Папки, из которой запущена игра, больше нет"),
              std::u16string::npos);
    // Every word of the problem stands inside the help window, left of its edge.
    const QRect printed = printSurfaceArea(f.Form2.surface, qtFont(f.Form2.font), 96, nullptr);
    EXPECT_LE(printed.right(), twipsToPx(f.Form2.ScaleWidth, 96));
    EXPECT_LE(printed.bottom(), twipsToPx(f.Form2.Command1.Top, 96));
    EXPECT_EQ(f.Points(1), 1);
}

// A folder renamed while the game runs is still the folder it was started in.
TEST_F(LostFolder, RenamedFolderGoesOnWorking) {
    Form1 f(host);
    f.Show();
    const fs::path renamed = quiz.path().string() + "-renamed";
    fs::rename(quiz.path(), renamed);
    ::testing::internal::CaptureStderr();
    f.Command6.click(); // "Новый игрок" reads the board and the answers again
    f.Command7.click(); // "Сброс"
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(host.quizFolder() == fs::current_path());
    EXPECT_EQ(f.PlayerName(1), u"Иванов");
    fs::rename(renamed, quiz.path());
}

// Started in a folder that no longer exists, the game says so and exits with status 1, and
// the checker and the editor, which read the same folder, say so too.
TEST_F(LostFolder, GameStartedInAVanishedFolderSaysSoAndExitsWithOne) {
    fs::remove_all(quiz.path());
    QProcess check;
    check.start(QStringLiteral(VATRO_CHECK_PROGRAM), {});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(check.readAllStandardOutput())
                    .startsWith(QStringLiteral("Текущей папки больше нет")));

    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(VATRO_GAME_PROGRAM), {}); // in this, the vanished folder
    ASSERT_TRUE(game.waitForFinished(30000));
    const QString said = QString::fromUtf8(game.readAllStandardError());
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << said.toStdString();
    EXPECT_EQ(game.exitCode(), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Папки, из которой запущена игра, больше нет")))
        << said.toStdString();

    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VATRO_EDIT_PROGRAM), {});
    ASSERT_TRUE(editor.waitForFinished(30000));
    const QString told = QString::fromUtf8(editor.readAllStandardError());
    EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit) << told.toStdString();
    EXPECT_EQ(editor.exitCode(), 1) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("Папки, из которой запущен редактор, больше нет")))
        << told.toStdString();
}

// An exception no rule of the game foresaw, here from a host whose name box fails, is shown
// to the player; the game keeps running with every result it holds.
class UnforeseenFailure : public ViewTest {
protected:
    UnforeseenFailure() {
        previous =
            setProblemReporter([this](const std::u16string& text) { reported.push_back(text); });
    }
    ~UnforeseenFailure() override { setProblemReporter(previous); }

    std::vector<std::u16string> reported;
    ProblemReporter previous;
};

TEST_F(UnforeseenFailure, IsReportedAndTheGameGoesOn) {
    startViews();
    registerByClick(u"Иванов");
    Form1& f = form();
    chooseLevel(1);
    click(f.Command9); // "Игра1"
    click(f.Command2); // "Пуск"
    pressWord(rowShowing(u"ОМ"));
    f.Grid2.keyPress(key::Return, 0);
    ASSERT_EQ(f.Points(1), 1);
    click(f.Command5); // "Результат"

    host.whileNameBoxOpen = [] { throw std::runtime_error("the name box broke"); };
    ASSERT_NO_THROW(click(f.Command6)); // "Новый игрок"
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find(u"Непредвиденная ошибка в игре: the name box broke."),
              std::u16string::npos)
        << utf8(reported[0]);
    EXPECT_EQ(f.Points(1), 1);
    EXPECT_EQ(f.PlayerName(1), u"Иванов");

    // The game goes on: the next player registers and plays.
    host.whileNameBoxOpen = nullptr;
    host.names.push_back(u"Петрова");
    click(f.Command7); // "Сброс"
    click(f.Command6);
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_EQ(f.PlayerName(2), u"Петрова");
}

} // namespace
} // namespace vatro::testing
