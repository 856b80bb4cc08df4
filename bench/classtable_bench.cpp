// The teacher's class table on a school year of one lab: 30 machines, 200 lessons, each
// machine's journal of 30 rows, about 6 000 files. Listing the lessons reads every file;
// opening one reads its 30 files again and fills the window's table and chart. Wall time,
// the files coming from the page cache as they do on a second look.
#include "results/lessons.h"
#include "support/lessonfiles.h"
#include "support/quizfolder.h"
#include "view/journal/journalwindow.h"

#include <QApplication>
#include <QSortFilterProxyModel>

#include <benchmark/benchmark.h>

#include <random>

namespace vatro::bench {
namespace {

constexpr int Machines = 30;
constexpr int Lessons = 200;
constexpr int RowsPerFile = 30;

// The year's files, made once for every measurement that reads them.
const std::filesystem::path& schoolYear() {
    static testing::QuizFolder folder;
    static const bool written = [] {
        static const char16_t* const names[] = {u"Иванов",  u"Петрова", u"Сидоров", u"Кузнецова",
                                                u"Смирнов", u"Попова",  u"Фёдоров", u"Морозова",
                                                u"Ли; Ким", u"=Хакер",  u"Ёлкина",  u"Волков"};
        std::mt19937 random(2026);
        const auto any = [&random](int below) {
            return std::uniform_int_distribution<int>(0, below - 1)(random);
        };
        for (int lesson = 0; lesson < Lessons; ++lesson) {
            // A school day each, September on; six lesson times a day.
            const int day = lesson % 28 + 1;
            const int month = (8 + lesson / 28) % 12 + 1;
            const int year = month >= 9 ? 2026 : 2027;
            const int start = 8 * 60 + 30 + (lesson % 6) * 55;
            for (int machine = 1; machine <= Machines; ++machine) {
                const int minute = start + any(8);
                std::vector<JournalRow> rows;
                for (int p = 1; p <= RowsPerFile; ++p) {
                    JournalRow row = testing::pupilRow(p, names[any(12)], any(20), any(8), 0);
                    row.grade = row.points == 0 ? 0 : 2 + any(4);
                    row.quizFolder =
                        u"/srv/школа/Викторины/Тема " + std::u16string(1, u'1' + lesson % 8);
                    rows.push_back(row);
                }
                const std::u16string computer = u"pc" + std::u16string(1, u'0' + machine / 10) +
                                                std::u16string(1, u'0' + machine % 10);
                testing::writeRun(folder.path(), {year, month, day, minute / 60, minute % 60, 0},
                                  computer, rows);
            }
        }
        return true;
    }();
    (void)written;
    return folder.path();
}

void classTableYearList(benchmark::State& state) {
    const std::filesystem::path& folder = schoolYear();
    std::size_t lessons = 0;
    std::size_t files = 0;
    for (auto _ : state) {
        const JournalScan scan = scanJournalFolders({folder}, true);
        lessons = groupLessons(scan.runs).size();
        files = scan.runs.size();
    }
    if (lessons != Lessons || files != std::size_t(Machines * Lessons))
        state.SkipWithError("the year did not read back as 200 lessons of 30 machines");
    state.counters["files"] = double(files);
    state.counters["lessons"] = double(lessons);
}
BENCHMARK(classTableYearList)
    ->Name("classtable/year_list")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void classTableOpenLesson(benchmark::State& state) {
    JournalWindow window;
    window.openFolders({schoolYear()}, true);
    window.show();
    QApplication::processEvents();
    int row = 0;
    for (auto _ : state) {
        // Another lesson each time, as a teacher goes down the list.
        row = (row + 37) % window.lessonCount();
        window.chooseLesson(row);
        QApplication::processEvents();
    }
    if (window.table().rowCount() != Machines * RowsPerFile)
        state.SkipWithError("the lesson did not open with every machine's rows");
    state.counters["rows"] = double(window.table().rowCount());
}
BENCHMARK(classTableOpenLesson)
    ->Name("classtable/open_lesson")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace vatro::bench
