// The class table's window on a folder of three machines' journals: one lesson, every
// pupil in one table that sorts and filters, and the grades counted in the chart.
#include "results/journalreader.h"
#include "support/journalfile.h"
#include "support/lessonfiles.h"
#include "support/quizfolder.h"
#include "view/journal/journalwindow.h"
#include "view/journal/lessonmodel.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QTest>
#include <gtest/gtest.h>

namespace vatro::testing {
namespace {

QString cell(const QAbstractItemModel& table, int row, int column) {
    return table.index(row, column).data().toString();
}

TEST(JournalWindowTest, ShowsThreeMachinesAsOneLessonWithItsGrades) {
    QuizFolder folder;
    writeRun(folder.path(), {2026, 12, 8, 10, 15, 0}, u"pc01",
             {pupilRow(1, u"Иванов", 9, 1, 4), pupilRow(2, u"Петрова", 10, 0, 5)});
    writeRun(folder.path(), {2026, 12, 8, 10, 17, 0}, u"pc02",
             {pupilRow(1, u"Сидоров", 3, 7, 2), pupilRow(2, u"Команда «Гроза»", 0, 0, 0)});
    writeRun(folder.path(), {2026, 12, 8, 10, 21, 0}, u"pc03", {pupilRow(1, u"Иваненко", 8, 2, 4)});

    JournalWindow window;
    window.openFolders({folder.path()}, true);
    window.show();
    QApplication::processEvents();
    ASSERT_EQ(window.lessonCount(), 1);
    EXPECT_TRUE(window.problems().empty());

    const QSortFilterProxyModel& table = window.table();
    ASSERT_EQ(table.rowCount(), 5);
    EXPECT_EQ(cell(table, 0, LessonModel::ComputerColumn), QStringLiteral("pc01"));
    EXPECT_EQ(cell(table, 4, LessonModel::NameColumn), QStringLiteral("Иваненко"));
    EXPECT_EQ(cell(table, 3, LessonModel::GradeColumn), QString()) << "no grade: an empty cell";
    EXPECT_EQ(cell(table, 0, LessonModel::ShareColumn), QStringLiteral("90"));
    EXPECT_EQ(cell(table, 0, LessonModel::TimeColumn), QStringLiteral("4:07"));

    const GradeSummary& grades = window.grades();
    EXPECT_EQ(grades.withGrade, (std::array<std::size_t, 4>{1, 0, 2, 1}));
    EXPECT_EQ(grades.withoutGrade, 1u);

    // The grade column sorts by the grade, a pupil without one below a 2.
    const_cast<QSortFilterProxyModel&>(table).sort(LessonModel::GradeColumn, Qt::DescendingOrder);
    EXPECT_EQ(cell(table, 0, LessonModel::NameColumn), QStringLiteral("Петрова"));
    EXPECT_EQ(cell(table, 4, LessonModel::NameColumn), QStringLiteral("Команда «Гроза»"));

    window.setNameFilter(QStringLiteral("иван"));
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(window.grades().withoutGrade, 1u) << "the chart counts the whole lesson";

    // The lesson saved as one table reads back as the rows shown, whatever the filter.
    const std::filesystem::path saved = folder.path() / "урок.csv";
    EXPECT_EQ(window.saveTable(saved), u"");
    EXPECT_EQ(readJournalTable(fileBytes(saved)).rows.size(), 5u);

    const QImage picture = window.grab().toImage();
    EXPECT_TRUE(picture.save(QStringLiteral(VATRO_PICTURES_DIR "/journal-window.png")));
    const std::filesystem::path pdf = folder.path() / "урок.pdf";
    EXPECT_EQ(window.savePdf(pdf), u"");
    EXPECT_TRUE(fileBytes(pdf).starts_with("%PDF"));
}

// From the keyboard: Alt+1 to the lessons, the arrows choose one, Ctrl+F to the name filter;
// F5 reads a file rewritten since and keeps the lesson in view.
TEST(JournalWindowTest, KeyboardChoosesALessonAndFilters) {
    QuizFolder folder;
    writeRun(folder.path(), {2026, 12, 8, 8, 30, 0}, u"pc01", {pupilRow(1, u"Утро", 1, 0, 2)});
    writeRun(folder.path(), {2026, 12, 8, 10, 15, 0}, u"pc01",
             {pupilRow(1, u"Иванов", 9, 1, 4), pupilRow(2, u"Петрова", 10, 0, 5)});
    JournalWindow window;
    window.openFolders({folder.path()}, true);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(window.lessonCount(), 2);
    EXPECT_EQ(window.table().rowCount(), 2) << "the newest lesson first";

    QTest::keyClick(&window, Qt::Key_1, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(window.table().rowCount(), 1);
    EXPECT_EQ(cell(window.table(), 0, LessonModel::NameColumn), QStringLiteral("Утро"));

    writeRun(folder.path(), {2026, 12, 8, 8, 30, 0}, u"pc01",
             {pupilRow(1, u"Утро", 1, 0, 2), pupilRow(2, u"Уткин", 3, 0, 5)});
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(window.table().rowCount(), 2) << "the same lesson, read again";

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    // A Russian layout sends the letters' text; the key code does not matter here.
    for (const QChar c : QStringLiteral("уткин"))
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    ASSERT_EQ(window.table().rowCount(), 1);
    EXPECT_EQ(cell(window.table(), 0, LessonModel::NameColumn), QStringLiteral("Уткин"));
}

} // namespace
} // namespace vatro::testing
