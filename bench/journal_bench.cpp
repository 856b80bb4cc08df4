// The class journal after a verdict. What the game's thread does: a table of 100 players
// turned into the file's bytes and handed to the journal's thread. What that thread does:
// the file written whole (temporary file, fdatasync, rename, folder fsync). Wall time, since
// a wait for the disk uses no processor.
#include "results/classjournal.h"
#include "results/journaltable.h"
#include "results/journalwriter.h"
#include "support/quizfolder.h"

#include <benchmark/benchmark.h>

namespace vatro::bench {
namespace {

std::vector<JournalRow> fullClass() {
    std::vector<JournalRow> rows;
    for (int p = 1; p <= 100; ++p)
        rows.push_back({u"pc07", 1, p, u"Команда «Гроза» №" + std::u16string(1, u'0' + p % 10),
                        p % 50, p % 7, u"4", u"37", 2 + p % 4, u"User1", u"Игра2", 49,
                        u"/home/учитель/Ватро", LocalDateTime{2026, 12, 8, 10, 15, 0}});
    return rows;
}

void journalHandOver(benchmark::State& state) {
    testing::QuizFolder folder;
    JournalWriter journal;
    journal.begin({folder.path()}, {2026, 12, 8, 10, 15, 0}, u"pc07");
    const std::vector<JournalRow> rows = fullClass();
    for (auto _ : state)
        journal.write(journalTable(rows));
    journal.flush();
    if (journal.file().empty())
        state.SkipWithError("the journal could not be written");
}
BENCHMARK(journalHandOver)->Name("journal/handover")->UseRealTime();

void journalRewrite(benchmark::State& state) {
    testing::QuizFolder folder;
    ClassJournal journal;
    journal.begin({folder.path()}, {2026, 12, 8, 10, 15, 0}, u"pc07");
    const std::vector<JournalRow> rows = fullClass();
    for (auto _ : state) {
        if (journal.write(journalTable(rows))) {
            state.SkipWithError("the journal could not be written");
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(journalTable(rows).size());
}
BENCHMARK(journalRewrite)->Name("journal/rewrite")->UseRealTime();

} // namespace
} // namespace vatro::bench
