#include "summary.h"

#include "table.h"

#include <sys/utsname.h>

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

void startUpRows(Table& table, const std::string& where, const StartUps& startUps) {
    if (!startUps.failure.empty() || startUps.gameMs.empty() || startUps.bareMs.empty()) {
        table.row("first frame, " + where, "—", "—", "—", "≤ 1.10×", std::nullopt);
        table.note("  " + where + ": " + startUps.failure);
        return;
    }
    const double game = median(startUps.gameMs);
    const double bare = median(startUps.bareMs);
    table.row("first frame, " + where, format("%.1f ms", game), format("%.1f ms", bare),
              format("%.2f×", game / bare), "≤ 1.10×", game / bare <= 1.10);
    // What the start-up costs the processor, which a busy machine disturbs less.
    const double gameCpu = median(startUps.gameCpuMs);
    const double bareCpu = median(startUps.bareCpuMs);
    table.row("  processor time of that start", format("%.1f ms", gameCpu),
              format("%.1f ms", bareCpu), format("%.2f×", gameCpu / bareCpu), "", std::nullopt);
    const double gameMb = median(startUps.gameKb) / 1024;
    const double bareMb = median(startUps.bareKb) / 1024;
    table.row("peak resident memory, " + where, format("%.1f MiB", gameMb),
              format("%.1f MiB", bareMb), format("%.2f×", gameMb / bareMb), "≤ 1.10×",
              gameMb / bareMb <= 1.10);
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
    table.section("Start-up: the game on the sample quiz against a bare QMainWindow "
                  "with a menu bar, median of " +
                  std::to_string(settings.runs) + " runs each");
    startUpRows(table, "offscreen", figures.offscreen);
    if (!figures.firstStarts.empty() && !figures.offscreen.bareMs.empty()) {
        const double first = median(figures.firstStarts);
        const double bare = median(figures.offscreen.bareMs);
        table.row("first frame, offscreen, a player's first start", format("%.1f ms", first),
                  format("%.1f ms", bare), format("%.2f×", first / bare), "", std::nullopt);
    } else if (!figures.firstFailure.empty()) {
        table.note("  first starts: " + figures.firstFailure);
    }
    startUpRows(table, "Xvfb", figures.xvfb);
    broken = broken || !figures.offscreen.failure.empty() || !figures.xvfb.failure.empty() ||
             !figures.firstFailure.empty();

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
    table.note("Start-ups: one uncounted start of each program first fills the system's caches "
               "and the copy of its drawn picture the game keeps for later starts; a player's "
               "first start has no such copy and draws the picture.");
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
