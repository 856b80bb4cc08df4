// `make bench`: starts the measured programs, runs the Google Benchmark suite, and prints
// one table of figures, each against its reference where it has one, all from this run.
#include "report.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using vatro::bench::monotonicNow;

// ---- Settings ----

struct Settings {
    fs::path programs; // where the measured programs lie: beside this one
    fs::path quiz = VATRO_SAMPLE_QUIZ;
    int runs = 11;
    int idleSeconds = 30;
    double minTime = 0.2; // seconds per Google Benchmark repetition
    int repetitions = 3;
    // This run's own folder: the programs keep what they cache under it, not in the home
    // folder of whoever measures.
    fs::path scratch;
};

// ---- Child programs ----

struct Child {
    std::map<std::string, long long> values; // the name=value lines it printed
    long long startNs = 0;                   // just before it was started
    long maxRssKb = 0;
    long long cpuNs = 0; // its processor time, start to end
    bool ok = false;
    std::string failure;
};

using Environment = std::map<std::string, std::string>;

Environment inheritedEnvironment() {
    Environment env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            env[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return env;
}

std::string readAll(int fd, int timeoutMs, bool& timedOut) {
    std::string text;
    const long long deadline = monotonicNow() + static_cast<long long>(timeoutMs) * 1'000'000;
    char buffer[4096];
    timedOut = false;
    for (;;) {
        const long long left = (deadline - monotonicNow()) / 1'000'000;
        if (left <= 0) {
            timedOut = true;
            return text;
        }
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            return text;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

// Runs a program in a folder with the environment, its output read as name=value lines.
Child run(const fs::path& program, const std::vector<std::string>& args, const Environment& env,
          const fs::path& folder, int timeoutMs) {
    std::vector<std::string> argStore{program.string()};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStore)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStore;
    for (const auto& [name, value] : env)
        envStore.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& entry : envStore)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char errorsName[] = "/tmp/vatro-bench-stderr-XXXXXX";
    const int errors = mkostemp(errorsName, O_CLOEXEC);
    unlink(errorsName);

    Child child;
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0 || errors < 0) {
        child.failure = "no pipe";
        return child;
    }
    child.startNs = monotonicNow();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errors, STDERR_FILENO);
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    bool timedOut = false;
    const std::string text = readAll(out[0], timeoutMs, timedOut);
    close(out[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    child.maxRssKb = usage.ru_maxrss;
    const auto ns = [](timeval time) {
        return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_usec * 1000LL;
    };
    child.cpuNs = ns(usage.ru_utime) + ns(usage.ru_stime);

    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            child.values[line.substr(0, equals)] = std::atoll(line.c_str() + equals + 1);
    }
    child.ok = !timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!child.ok) {
        std::string said(4096, '\0');
        lseek(errors, 0, SEEK_SET);
        const ssize_t got = read(errors, said.data(), said.size());
        said.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        child.failure = program.filename().string() +
                        (timedOut ? " timed out" : " failed, status " + std::to_string(status)) +
                        (said.empty() ? "" : ": " + said);
    }
    close(errors);
    return child;
}

// ---- The X server ----

class Xvfb {
public:
    Xvfb() {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        const std::string displayFd = std::to_string(fds[1]);
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        bool timedOut = false;
        const std::string number = readAll(fds[0], 10'000, timedOut);
        close(fds[0]);
        if (m_pid > 0 && !number.empty() && number[0] >= '0' && number[0] <= '9')
            m_display = ":" + number.substr(0, number.find('\n'));
    }
    ~Xvfb() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool running() const { return !m_display.empty(); }
    const std::string& display() const { return m_display; }
    // The server's own processor time so far, in nanoseconds.
    long long cpuNs() const {
        std::ifstream stat("/proc/" + std::to_string(m_pid) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), {});
        const auto close = text.rfind(')');
        if (close == std::string::npos)
            return 0;
        std::istringstream fields(text.substr(close + 2));
        std::string field;
        long long user = 0;
        long long system = 0;
        for (int n = 3; fields >> field; ++n) {
            if (n == 14)
                user = std::atoll(field.c_str());
            if (n == 15) {
                system = std::atoll(field.c_str());
                break;
            }
        }
        return (user + system) * (1'000'000'000 / sysconf(_SC_CLK_TCK));
    }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// ---- Figures ----

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct StartUps {
    std::vector<double> gameMs, bareMs, gameKb, bareKb, gameCpuMs, bareCpuMs;
    std::string failure;
};

Environment platformEnvironment(const Settings& settings, const std::string& platform,
                                const std::string& display) {
    Environment env = inheritedEnvironment();
    env["QT_QPA_PLATFORM"] = platform;
    env["XDG_CACHE_HOME"] = (settings.scratch / "cache").string();
    env.erase("WAYLAND_DISPLAY");
    if (display.empty())
        env.erase("DISPLAY");
    else
        env["DISPLAY"] = display;
    return env;
}

StartUps measureStartUps(const Settings& settings, const Environment& env) {
    StartUps result;
    const fs::path game = settings.programs / "vatro_bench_game";
    const fs::path bare = settings.programs / "vatro_bench_bare";
    auto once = [&](const fs::path& program, std::vector<double>* ms, std::vector<double>* kb,
                    std::vector<double>* cpuMs) {
        const Child child = run(program, {"startup"}, env, settings.quiz, 30'000);
        const auto frame = child.values.find("first_frame_ns");
        if (!child.ok || frame == child.values.end()) {
            if (result.failure.empty())
                result.failure =
                    child.ok ? program.filename().string() + " showed no frame" : child.failure;
            return;
        }
        if (ms) {
            ms->push_back(double(frame->second - child.startNs) / 1e6);
            kb->push_back(double(child.maxRssKb));
            cpuMs->push_back(double(child.cpuNs) / 1e6);
        }
    };
    // A first start of each fills the system's caches; it is not counted.
    once(game, nullptr, nullptr, nullptr);
    once(bare, nullptr, nullptr, nullptr);
    // Taken in turns, so that a busy moment of the machine falls on both alike.
    for (int n = 0; n < settings.runs; ++n) {
        once(game, &result.gameMs, &result.gameKb, &result.gameCpuMs);
        once(bare, &result.bareMs, &result.bareKb, &result.bareCpuMs);
    }
    return result;
}

// Starts of a player who never started the game before: nothing kept in the cache folder.
std::vector<double> measureFirstStarts(const Settings& settings, Environment env,
                                       std::string& failure) {
    std::vector<double> ms;
    for (int n = 0; n < settings.runs; ++n) {
        const fs::path cache = settings.scratch / ("first-start-" + std::to_string(n));
        env["XDG_CACHE_HOME"] = cache.string();
        const Child child =
            run(settings.programs / "vatro_bench_game", {"startup"}, env, settings.quiz, 30'000);
        const auto frame = child.values.find("first_frame_ns");
        if (!child.ok || frame == child.values.end()) {
            failure = child.ok ? "the game showed no frame" : child.failure;
            return {};
        }
        ms.push_back(double(frame->second - child.startNs) / 1e6);
        std::error_code ignored;
        fs::remove_all(cache, ignored);
    }
    return ms;
}

struct Idle {
    double cpuPercent = 0;
    double wakeupsPerSecond = 0;
    double paintsPerSecond = 0;
    std::optional<double> serverPercent;
    std::string failure;
};

Idle measureIdle(const Settings& settings, const Environment& env, const Xvfb* server) {
    Idle idle;
    const long long serverBefore = server ? server->cpuNs() : 0;
    const long long serverStart = monotonicNow();
    const Child child =
        run(settings.programs / "vatro_bench_game", {"idle", std::to_string(settings.idleSeconds)},
            env, settings.quiz, (settings.idleSeconds + 60) * 1000);
    const long long serverWall = monotonicNow() - serverStart;
    if (!child.ok || !child.values.count("idle_cpu_ns")) {
        idle.failure = child.ok ? "the idle run reported nothing" : child.failure;
        return idle;
    }
    const double wall = double(child.values.at("idle_wall_ns"));
    idle.cpuPercent = 100.0 * double(child.values.at("idle_cpu_ns")) / wall;
    idle.wakeupsPerSecond = double(child.values.at("idle_switches")) / (wall / 1e9);
    idle.paintsPerSecond = double(child.values.at("idle_paints")) / (wall / 1e9);
    if (server)
        idle.serverPercent = 100.0 * double(server->cpuNs() - serverBefore) / double(serverWall);
    return idle;
}

struct Micro {
    double ns = 0;
    std::map<std::string, double> counters;
};

std::map<std::string, Micro> runCoreBenchmarks(const Settings& settings, std::string& failure) {
    std::map<std::string, Micro> results;
    const fs::path out =
        fs::temp_directory_path() / ("vatro-bench-" + std::to_string(getpid()) + ".json");
    Environment env = platformEnvironment(settings, "offscreen", {});
    char minTime[32];
    std::snprintf(minTime, sizeof minTime, "%g", settings.minTime);
    const Child child = run(settings.programs / "vatro_bench_core",
                            {"--benchmark_out=" + out.string(), "--benchmark_out_format=json",
                             "--benchmark_repetitions=" + std::to_string(settings.repetitions),
                             "--benchmark_report_aggregates_only=true",
                             std::string("--benchmark_min_time=") + minTime},
                            env, settings.quiz, 600'000);
    std::ifstream file(out, std::ios::binary);
    const std::string json((std::istreambuf_iterator<char>(file)), {});
    fs::remove(out);
    if (!child.ok) {
        failure = child.failure;
        return results;
    }
    const QJsonArray benchmarks =
        QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["benchmarks"].toArray();
    const std::map<std::string, double> unitNs = {{"ns", 1}, {"us", 1e3}, {"ms", 1e6}, {"s", 1e9}};
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject entry = value.toObject();
        if (entry["error_occurred"].toBool()) {
            failure += entry["run_name"].toString().toStdString() + ": " +
                       entry["error_message"].toString().toStdString() + "\n";
            continue;
        }
        if (entry["aggregate_name"].toString() != QLatin1String("median"))
            continue;
        Micro micro;
        const std::string unit = entry["time_unit"].toString().toStdString();
        // Processor time: a busy neighbour on a shared machine stretches the wall clock.
        micro.ns = entry["cpu_time"].toDouble() * (unitNs.count(unit) ? unitNs.at(unit) : 1);
        for (auto it = entry.begin(); it != entry.end(); ++it) {
            if (it.value().isDouble())
                micro.counters[it.key().toStdString()] = it.value().toDouble();
        }
        results[entry["run_name"].toString().toStdString()] = micro;
    }
    return results;
}

// ---- The table ----

std::size_t columns(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

std::string padded(const std::string& text, std::size_t width, bool right = false) {
    const std::size_t used = columns(text);
    const std::string fill(used < width ? width - used : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string duration(double ns) {
    if (ns < 1e3)
        return format("%.1f ns", ns);
    if (ns < 1e6)
        return format("%.2f µs", ns / 1e3);
    return format("%.2f ms", ns / 1e6);
}

class Table {
public:
    void section(const std::string& title) { m_rows.push_back({title}); }
    void row(const std::string& name, const std::string& value, const std::string& reference,
             const std::string& ratio, const std::string& target, std::optional<bool> met) {
        m_rows.push_back(
            {"  " + name, value, reference, ratio, target, met ? (*met ? "ok" : "MISSED") : ""});
    }
    void note(const std::string& text) { m_notes.push_back(text); }
    void print() const {
        const std::vector<std::string> head = {"", "measured", "reference", "ratio", "target", ""};
        std::vector<std::size_t> width(head.size(), 0);
        for (const auto& cells : m_rows) {
            if (cells.size() == 1)
                continue;
            for (std::size_t n = 0; n < cells.size(); ++n)
                width[n] = std::max(width[n], columns(cells[n]));
        }
        for (std::size_t n = 0; n < head.size(); ++n)
            width[n] = std::max(width[n], columns(head[n]));
        auto line = [&](const std::vector<std::string>& cells) {
            std::string text = padded(cells[0], width[0]);
            for (std::size_t n = 1; n < cells.size(); ++n)
                text += "  " + padded(cells[n], width[n], n < 4);
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
            std::printf("%s\n", text.c_str());
        };
        line(head);
        for (const auto& cells : m_rows) {
            if (cells.size() == 1)
                std::printf("%s\n", cells[0].c_str());
            else
                line(cells);
        }
        for (const std::string& text : m_notes)
            std::printf("%s\n", text.c_str());
    }

private:
    std::vector<std::vector<std::string>> m_rows;
    std::vector<std::string> m_notes;
};

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

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    file >> one;
    return one;
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

int main(int argc, char* argv[]) {
    Settings settings;
    settings.programs = fs::canonical("/proc/self/exe").parent_path();
    for (int n = 1; n + 1 < argc; n += 2) {
        const std::string option = argv[n];
        const std::string value = argv[n + 1];
        if (option == "--quiz")
            settings.quiz = fs::absolute(value);
        else if (option == "--runs")
            settings.runs = std::max(1, std::atoi(value.c_str()));
        else if (option == "--idle")
            settings.idleSeconds = std::max(1, std::atoi(value.c_str()));
        else if (option == "--min-time")
            settings.minTime = std::atof(value.c_str());
        else {
            std::fprintf(stderr, "usage: %s [--quiz DIR] [--runs N] [--idle S] [--min-time S]\n",
                         argv[0]);
            return 2;
        }
    }
    char scratch[] = "/tmp/vatro-bench-XXXXXX";
    if (!mkdtemp(scratch)) {
        std::perror("vatro_bench: no scratch folder");
        return 1;
    }
    settings.scratch = scratch;
    const std::string loadBefore = loadAverage();
    const long long began = monotonicNow();
    bool broken = false;

    std::fprintf(stderr, "bench: start-up, offscreen (%d runs each)\n", settings.runs);
    const StartUps offscreen =
        measureStartUps(settings, platformEnvironment(settings, "offscreen", {}));
    std::fprintf(stderr, "bench: first starts, offscreen (%d runs)\n", settings.runs);
    std::string firstFailure;
    const std::vector<double> firstStarts =
        measureFirstStarts(settings, platformEnvironment(settings, "offscreen", {}), firstFailure);
    const Xvfb server;
    StartUps xvfb;
    Idle idle;
    if (server.running()) {
        const Environment env = platformEnvironment(settings, "xcb", server.display());
        std::fprintf(stderr, "bench: start-up, Xvfb %s (%d runs each)\n", server.display().c_str(),
                     settings.runs);
        xvfb = measureStartUps(settings, env);
        std::fprintf(stderr, "bench: idle, %d s under Xvfb\n", settings.idleSeconds);
        idle = measureIdle(settings, env, &server);
    } else {
        xvfb.failure = "Xvfb did not start";
        std::fprintf(stderr, "bench: idle, %d s offscreen (no Xvfb)\n", settings.idleSeconds);
        idle = measureIdle(settings, platformEnvironment(settings, "offscreen", {}), nullptr);
    }
    std::fprintf(stderr, "bench: Google Benchmark, %d repetitions\n", settings.repetitions);
    std::string microFailure;
    const auto micro = runCoreBenchmarks(settings, microFailure);
    const double seconds = double(monotonicNow() - began) / 1e9;
    std::error_code ignored;
    fs::remove_all(settings.scratch, ignored);

    Table table;
    table.section("Start-up: the game on the sample quiz against a bare QMainWindow "
                  "with a menu bar, median of " +
                  std::to_string(settings.runs) + " runs each");
    startUpRows(table, "offscreen", offscreen);
    if (!firstStarts.empty() && !offscreen.bareMs.empty()) {
        const double first = median(firstStarts);
        const double bare = median(offscreen.bareMs);
        table.row("first frame, offscreen, a player's first start", format("%.1f ms", first),
                  format("%.1f ms", bare), format("%.2f×", first / bare), "", std::nullopt);
    } else if (!firstFailure.empty()) {
        table.note("  first starts: " + firstFailure);
    }
    startUpRows(table, "Xvfb", xvfb);
    broken = broken || !offscreen.failure.empty() || !xvfb.failure.empty() || !firstFailure.empty();

    table.section("Idle " + std::to_string(settings.idleSeconds) +
                  " s with the clock running and a level chosen" +
                  (server.running() ? " (Xvfb)" : " (offscreen)"));
    if (idle.failure.empty()) {
        table.row("processor, % of one core", format("%.3f %%", idle.cpuPercent), "0", "",
                  "≤ 0.2 %", idle.cpuPercent <= 0.2);
        table.row("context switches per second", format("%.1f", idle.wakeupsPerSecond), "0", "", "",
                  std::nullopt);
        table.row("widget paints per second", format("%.1f", idle.paintsPerSecond), "0", "", "",
                  std::nullopt);
        if (idle.serverPercent)
            table.row("X server meanwhile, % of one core", format("%.3f %%", *idle.serverPercent),
                      "", "", "", std::nullopt);
    } else {
        table.row("processor, % of one core", "—", "0", "", "≤ 0.2 %", std::nullopt);
        table.note("  idle: " + idle.failure);
        broken = true;
    }

    table.section("The core and the view, Google Benchmark: processor time, median of " +
                  std::to_string(settings.repetitions) + " repetitions");
    microRow(table, micro, "tick/fake_host", "clock tick, Timer1_Timer, fake host", 1000, "< 1 µs");
    microRow(table, micro, "tick/fake_host_new_second",
             "clock tick showing a new second, fake host", 1000, "< 1 µs");
    microRow(table, micro, "tick/real_host", "clock tick, Timer1_Timer, real host", 1000, "< 1 µs");
    microRow(table, micro, "tick/views", "clock tick with every view's sync (offscreen)", 100'000,
             "< 0.1 ms");
    microRow(table, micro, "press/core", "letter press, model and handler", 1e6, "< 1 ms");
    microRow(table, micro, "press/redraw", "letter press with sync and repaint (offscreen)", 1e6,
             "< 1 ms");
    microRow(table, micro, "load/letters", "\"Игра2\": reloads the board, 340 letters", 1e6,
             "< 1 ms");
    microRow(table, micro, "load/answers", "\"Игра1\": reloads 49 words, shuffles them", 1e6,
             "< 1 ms");
    microRow(table, micro, "load/startup", "start-up: window design and all three files", 1e6,
             "< 1 ms");
    const auto game = micro.find("game/whole");
    if (game != micro.end()) {
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
    if (!microFailure.empty()) {
        table.note("  Google Benchmark: " + microFailure);
        broken = true;
    }
    table.note("Start-ups: one uncounted start of each program first fills the system's caches "
               "and the copy of its drawn picture the game keeps for later starts; a player's "
               "first start has no such copy and draws the picture.");
    table.note("Loaders are private: each is timed through the handler that calls it, file "
               "reading (from the page cache) included. Full capacity: 340 letters, 49 words, "
               "50 questions.");
    table.note("Machine: " + machine() + "; load average " + loadBefore + " before, " +
               loadAverage() + " after; " + format("%.0f s in all.", seconds));

    std::printf("\n");
    table.print();
    return broken ? 1 : 0;
}
