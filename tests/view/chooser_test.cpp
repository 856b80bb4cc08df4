// The chooser of the menu entry: the quizzes played last at the top, the checker's mark on
// the one with errors, and every choice made from the keyboard.
#include "modaldriver.h"
#include "viewtest.h"

#include "library/playedquizzes.h"
#include "library/quizlibrary.h"
#include "quiz/textcodec.h"
#include "view/chooser/choosermodel.h"
#include "view/chooser/chooserwindow.h"
#include "view/quiznamedialog.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <fstream>

namespace vatro::testing {
namespace {

namespace fs = std::filesystem;
using library::Home;

const fs::path Sample = VATRO_SAMPLE_QUIZ;

class Chooser : public ::testing::Test {
protected:
    Chooser() {
        for (const fs::path& folder : {optics, errors, school}) {
            fs::create_directories(folder.parent_path());
            fs::copy(Sample, folder, fs::copy_options::recursive);
        }
        fs::remove(errors / "vatrov.txt");
    }
    // The library as the launcher gathers and orders it.
    std::unique_ptr<ChooserWindow> chooser(const std::vector<fs::path>& played) {
        const fs::path list = root.path() / "played";
        for (auto folder = played.rbegin(); folder != played.rend(); ++folder)
            library::rememberPlayed(list, *folder);
        std::vector<library::QuizSummary> quizzes;
        for (const library::QuizPlace& place :
             library::findQuizzes({own, {root.path() / "share"}, Sample}))
            quizzes.push_back(library::summarizeQuiz(place));
        library::orderForChooser(quizzes, library::readPlayed(list));
        return std::make_unique<ChooserWindow>(std::move(quizzes), Sample,
                                               std::vector<std::u16string>{});
    }
    static QString cell(ChooserWindow& window, int row, int column, int role = Qt::DisplayRole) {
        return window.model().index(row, column).data(role).toString();
    }
    static void show(ChooserWindow& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QuizFolder root;
    const fs::path own = root.path() / "home" / pathFromUtf8("Ватро");
    const fs::path optics = own / pathFromUtf8("Оптика");
    const fs::path errors = own / pathFromUtf8("Ошибки");
    const fs::path school = root.path() / "share" / pathFromUtf8("Школьная");
};

TEST_F(Chooser, TheLastPlayedComeFirstMarkedByTheCheckerAndEnterPlaysTheChosenOne) {
    const auto window = chooser({school, errors});
    QAbstractItemModelTester tester(&window->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QStringList names = {cell(*window, 0, ChooserModel::NameColumn),
                               cell(*window, 1, ChooserModel::NameColumn),
                               cell(*window, 2, ChooserModel::NameColumn)};
    EXPECT_EQ(names, (QStringList{QStringLiteral("Школьная"), QStringLiteral("Ошибки"),
                                  QStringLiteral("Оптика")}));
    EXPECT_EQ(cell(*window, 0, ChooserModel::HomeColumn), QStringLiteral("школьная"));
    EXPECT_EQ(cell(*window, 2, ChooserModel::HomeColumn), QStringLiteral("своя"));
    EXPECT_EQ(cell(*window, 2, ChooserModel::QuestionsColumn), QStringLiteral("39"));
    EXPECT_EQ(cell(*window, 2, ChooserModel::CheckColumn), QStringLiteral("в порядке"));
    EXPECT_TRUE(
        window->model().index(2, ChooserModel::CheckColumn).data(Qt::DecorationRole).isNull());
    // No questions at all: what stops the game is told first, before the board's findings.
    EXPECT_TRUE(cell(*window, 1, ChooserModel::CheckColumn).startsWith(QStringLiteral("ошибок")));
    EXPECT_FALSE(
        window->model().index(1, ChooserModel::CheckColumn).data(Qt::DecorationRole).isNull());
    EXPECT_TRUE(cell(*window, 1, ChooserModel::CheckColumn, Qt::ToolTipRole)
                    .startsWith(QStringLiteral("vatrov.txt")))
        << cell(*window, 1, ChooserModel::CheckColumn, Qt::ToolTipRole).toStdString();

    show(*window);
    EXPECT_EQ(QApplication::focusWidget(), &window->table());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->choice(), ChooserWindow::Choice::Play);
    EXPECT_EQ(window->folder(), errors);
}

TEST_F(Chooser, NewQuizFromTheKeyboardIsACopyOfTheSampleOpenedForEditing) {
    const auto window = chooser({});
    show(*window);
    QString refusal;
    const auto name = [](QuizNameDialog& dialog, const QString& text) {
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("name"));
        ASSERT_EQ(QApplication::focusWidget(), field);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(field, Qt::Key_Return);
    };
    ModalDriver<QuizNameDialog> teacher({
        [&](QuizNameDialog& dialog) { name(dialog, QStringLiteral("9/10")); },
        [&](QuizNameDialog& dialog) {
            refusal = dialog.findChild<QLabel*>(QStringLiteral("problem"))->text();
            dialog.findChild<QLineEdit*>(QStringLiteral("name"))->clear();
            name(dialog, QStringLiteral("Электростатика"));
        },
    });
    // "&Новая викторина…" on a Russian keyboard: Alt and the letter Н; a button pressed by
    // its key shows itself pressed a moment before it acts.
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(u'Н'),
                        QStringLiteral("н"), Qt::AltModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window->choice() != ChooserWindow::Choice::None; }, 10000));
    EXPECT_TRUE(teacher.finished());
    EXPECT_TRUE(refusal.contains(QStringLiteral("«/»"))) << refusal.toStdString();
    // Already a quiz of her own, from here on edited rather than played.
    EXPECT_EQ(window->choice(), ChooserWindow::Choice::Edit);
    EXPECT_EQ(window->folder(), *library::ownQuizRoot() / pathFromUtf8("Электростатика"));
    EXPECT_TRUE(fs::exists(window->folder() / "vatrov.txt"));
}

} // namespace
} // namespace vatro::testing
