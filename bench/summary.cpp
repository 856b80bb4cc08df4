#include "summary.h"

#include "table.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <thread>

namespace vatro::bench {

namespace {

std::string machine() {
    std::ifstream info("/proc/cpuinfo");
    std::string model = "unknown processor";
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    }
    utsname system{};
    uname(&system);
    return std::to_string(std::thread::hardware_concurrency()) + " × " + model + ", " +
           system.sysname + " " + system.release;
}

// "34.2 ms (31.0–40.1)": the median, then the least and the most.
std::string spread(const std::vector<double>& values, const char* unit) {
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return format("%.1f ", median(values)) + unit + format(" (%.1f", *least) +
           format("–%.1f)", *most);
}

void startUpRows(Table& table, const std::string& where, const StartUps& startUps) {
    const Series& bare = startUps.bare;
    const auto complete = [](const Series& series) { return !series.ms.empty(); };
    if (!startUps.failure.empty() || !complete(startUps.game) || !complete(startUps.editor) ||
        !complete(bare)) {
        table.row("game, " + where, "—", "—", "—", "≤ 1.10×", std::nullopt);
        table.row("editor, " + where, "—", "—", "—", "≤ 1.50×", std::nullopt);
        table.note("  " + where + ": " + startUps.failure);
        return;
    }
    const auto frameRow = [&](const std::string& name, const Series& series, double target) {
        const double ratio = median(series.ms) / median(bare.ms);
        table.row(name + ", " + where, spread(series.ms, "ms"), spread(bare.ms, "ms"),
                  format("%.2f×", ratio), format("≤ %.2f×", target), ratio <= target);
    };
    // What the start costs the processor, which a busy machine disturbs less.
    const auto cpuRow = [&](const Series& series) {
        table.row("  processor time of that start", format("%.1f ms", median(series.cpuMs)),
                  format("%.1f ms", median(bare.cpuMs)),
                  format("%.2f×", median(series.cpuMs) / median(bare.cpuMs)), "", std::nullopt);
    };
    const auto memoryRow = [&](const Series& series, std::optional<double> target) {
        const double mb = median(series.kb) / 1024;
        const double bareMb = median(bare.kb) / 1024;
        table.row("  peak resident memory", format("%.1f MiB", mb), format("%.1f MiB", bareMb),
                  format("%.2f×", mb / bareMb), target ? format("≤ %.2f×", *target) : "",
                  target ? std::optional<bool>(mb / bareMb <= *target) : std::nullopt);
    };
    frameRow("game", startUps.game, 1.10);
    cpuRow(startUps.game);
    memoryRow(startUps.game, 1.10);
    frameRow("editor", startUps.editor, 1.50);
    cpuRow(startUps.editor);
    memoryRow(startUps.editor, std::nullopt);
}

void microRow(Table& table, const std::map<std::string, Micro>& micro, const std::string& key,
              const std::string& name, double targetNs, const std::string& target) {
    const auto found = micro.find(key);
    if (found == micro.end()) {
        table.row(name, "—", "", "", target, std::nullopt);
        return;
    }
    table.row(name, duration(found->second.ns), "", "", target, found->second.ns <= targetNs);
}

} // namespace

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    file >> one;
    return one;
}

bool printFigures(const Settings& settings, const Figures& figures) {
    bool broken = false;
    Table table;
    table.section("Start-up to the first frame on the sample quiz, against a bare QMainWindow "
                  "with a menu bar: median (least–most) of " +
                  std::to_string(settings.runs) + " runs each, taken in turns");
    startUpRows(table, "Xvfb, warm", figures.xvfb);
    if (figures.cold)
        startUpRows(table, "Xvfb, cold", figures.xvfbCold);
    startUpRows(table, "offscreen, warm", figures.offscreen);
    if (figures.cold)
        startUpRows(table, "offscreen, cold", figures.offscreenCold);
    for (const StartUps* startUps :
         {&figures.xvfb, &figures.xvfbCold, &figures.offscreen, &figures.offscreenCold})
        broken = broken || !startUps->failure.empty();

    table.section("Idle " + std::to_string(settings.idleSeconds) +
                  " s with the clock running and a level chosen" +
                  (figures.idleUnderXvfb ? " (Xvfb)" : " (offscreen)"));
    if (figures.idle.failure.empty()) {
        table.row("processor, % of one core", format("%.3f %%", figures.idle.cpuPercent), "0", "",
                  "≤ 0.2 %", figures.idle.cpuPercent <= 0.2);
        table.row("context switches per second", format("%.1f", figures.idle.wakeupsPerSecond), "0",
                  "", "", std::nullopt);
        table.row("widget paints per second", format("%.1f", figures.idle.paintsPerSecond), "0", "",
                  "", std::nullopt);
        if (figures.idle.serverPercent)
            table.row("X server meanwhile, % of one core",
                      format("%.3f %%", *figures.idle.serverPercent), "", "", "", std::nullopt);
    } else {
        table.row("processor, % of one core", "—", "0", "", "≤ 0.2 %", std::nullopt);
        table.note("  idle: " + figures.idle.failure);
        broken = true;
    }

    table.section("The core and the view, Google Benchmark: processor time, median of " +
                  std::to_string(settings.repetitions) + " repetitions");
    microRow(table, figures.micro, "tick/fake_host", "clock tick, Timer1_Timer, fake host", 1000,
             "< 1 µs");
    microRow(table, figures.micro, "tick/fake_host_new_second",
             "clock tick showing a new second, fake host", 1000, "< 1 µs");
    microRow(table, figures.micro, "tick/real_host", "clock tick, Timer1_Timer, real host", 1000,
             "< 1 µs");
    microRow(table, figures.micro, "tick/views", "clock tick with every view's sync (offscreen)",
             100'000, "< 0.1 ms");
    microRow(table, figures.micro, "press/core", "letter press, model and handler", 1e6, "< 1 ms");
    microRow(table, figures.micro, "press/redraw", "letter press with sync and repaint (offscreen)",
             1e6, "< 1 ms");
    microRow(table, figures.micro, "load/letters", "\"Игра2\": reloads the board, 340 letters", 1e6,
             "< 1 ms");
    microRow(table, figures.micro, "load/answers", "\"Игра1\": reloads 49 words, shuffles them",
             1e6, "< 1 ms");
    microRow(table, figures.micro, "load/startup", "start-up: window design and all three files",
             1e6, "< 1 ms");
    // The journal waits on the disk, which uses no processor: its figures are wall time
    // (Google Benchmark names such runs "/real_time").
    const auto handOver = figures.micro.find("journal/handover/real_time");
    const auto rewrite = figures.micro.find("journal/rewrite/real_time");
    const bool journal = handOver != figures.micro.end() && rewrite != figures.micro.end();
    table.row("class journal, 100 players: a verdict's wait (table, hand-over)",
              journal ? duration(handOver->second.wallNs) : "—", "", "", "< 5 ms",
              journal ? std::optional<bool>(handOver->second.wallNs <= 5e6) : std::nullopt);
    table.row("  the rewrite on the journal's thread, fsync included",
              journal ? duration(rewrite->second.wallNs) : "—", "", "", "", std::nullopt);
    // The class table reads files: wall time too.
    const auto yearList = figures.micro.find("classtable/year_list/real_time");
    const auto openLesson = figures.micro.find("classtable/open_lesson/real_time");
    table.row("class table, a school year of one lab (6 000 files of 30 rows): lessons listed",
              yearList != figures.micro.end() ? duration(yearList->second.wallNs) : "—", "", "",
              "< 1 s",
              yearList != figures.micro.end() ? std::optional<bool>(yearList->second.wallNs <= 1e9)
                                              : std::nullopt);
    table.row("  one lesson of 30 machines opened in the window",
              openLesson != figures.micro.end() ? duration(openLesson->second.wallNs) : "—", "", "",
              "< 100 ms",
              openLesson != figures.micro.end()
                  ? std::optional<bool>(openLesson->second.wallNs <= 1e8)
                  : std::nullopt);
    microRow(table, figures.micro, "picture/plain",
             "mouse picture ready to paint (96 dpi, carried as it is)", 1e5, "< 0.1 ms");
    microRow(table, figures.micro, "picture/dense",
             "mouse picture ready to paint (twice the density, unpacked)", 3e6, "< 3 ms");
    microRow(table, figures.micro, "editor/findings",
             "editor: an answer edited, then every finding of a full quiz", 5e7, "< 50 ms");
    const auto game = figures.micro.find("game/whole");
    if (game != figures.micro.end()) {
        const double events = game->second.counters.count("events_per_game")
                                  ? game->second.counters.at("events_per_game")
                                  : 0;
        table.row("whole game of 49 questions (" + format("%.0f", events) + " handler events)",
                  duration(game->second.ns), "", "", "", std::nullopt);
        const double rate = game->second.counters.count("items_per_second")
                                ? game->second.counters.at("items_per_second")
                                : 0;
        table.row("  events per second", format("%.0f", rate), "", "", "", std::nullopt);
    }
    if (!figures.microFailure.empty()) {
        table.note("  Google Benchmark: " + figures.microFailure);
        broken = true;
    }
    table.note("Start-ups: under Xvfb the programs are vatro and vatro-edit as installed, their "
               "first frame the first drawing the X server sees in their window (XDamage); "
               "offscreen, each program reports its own first frame. Warm: one uncounted start of "
               "each first fills the system's caches. Cold: the file cache is emptied before "
               "every start, as after the machine was switched on.");
    if (!figures.cold)
        table.note("Cold starts not measured: emptying the file cache "
                   "(/proc/sys/vm/drop_caches) needs the administrator; run make bench as root.");
    table.note("Loaders are private: each is timed through the handler that calls it, file "
               "reading (from the page cache) included. Full capacity: 340 letters, 49 words, "
               "50 questions.");
    table.note("Machine: " + machine() + "; load average " + figures.loadBefore + " before, " +
               loadAverage() + " after; " + format("%.0f s in all.", figures.seconds));

    std::printf("\n");
    table.print();
    return !broken;
}

} // namespace vatro::bench
