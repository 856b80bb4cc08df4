#include "measure.h"

#include "report.h"

#include <algorithm>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace vatro::bench {

namespace fs = std::filesystem;

namespace {

constexpr const char* DropCaches = "/proc/sys/vm/drop_caches";

// What is written first goes to disk; then every clean page of every file is let go.
bool dropPageCache() {
    sync();
    const int fd = open(DropCaches, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool dropped = write(fd, "3", 1) == 1;
    close(fd);
    return dropped;
}

} // namespace

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Environment platformEnvironment(const Settings& settings, const std::string& platform,
                                const std::string& display) {
    Environment env = inheritedEnvironment();
    env["QT_QPA_PLATFORM"] = platform;
    // Nothing of the measurer's own: no settings (a scale of theirs would change what is
    // drawn), no journal or list of quizzes played in their home folder.
    for (const char* folder :
         {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
        env[folder] = (settings.scratch / folder).string();
    env.erase("WAYLAND_DISPLAY");
    if (display.empty())
        env.erase("DISPLAY");
    else
        env["DISPLAY"] = display;
    return env;
}

bool canDropPageCache() {
    return access(DropCaches, W_OK) == 0;
}

StartUps measureStartUps(const Settings& settings, const Environment& env, FrameWatch* watch,
                         bool cold) {
    StartUps result;
    struct Program {
        fs::path path;
        std::vector<std::string> args;
        Series* series;
    };
    const std::string quiz = settings.quiz.string();
    std::vector<Program> programs;
    if (watch) {
        programs.push_back({VATRO_GAME_PROGRAM, {}, &result.game});
        programs.push_back({VATRO_EDITOR_PROGRAM, {quiz}, &result.editor});
    } else {
        programs.push_back({settings.programs / "vatro_bench_game", {"startup"}, &result.game});
        programs.push_back({settings.programs / "vatro_bench_editor", {quiz}, &result.editor});
    }
    programs.push_back({settings.programs / "vatro_bench_bare", {}, &result.bare});
    auto once = [&](const Program& program, bool counted) {
        if (cold && !dropPageCache()) {
            result.failure = "the file cache could not be emptied";
            return;
        }
        const Child child = run(program.path, program.args, env, settings.quiz, 30'000, watch);
        const auto frame = child.values.find("first_frame_ns");
        if (!child.ok || frame == child.values.end()) {
            if (result.failure.empty())
                result.failure = child.ok ? program.path.filename().string() + " showed no frame"
                                          : child.failure;
            return;
        }
        if (counted) {
            program.series->ms.push_back(double(frame->second - child.startNs) / 1e6);
            program.series->kb.push_back(double(child.maxRssKb));
            program.series->cpuMs.push_back(double(child.cpuNs) / 1e6);
        }
    };
    // A first start of each fills the system's caches; it is not counted.
    if (!cold) {
        for (const Program& program : programs)
            once(program, false);
    }
    // Taken in turns, so that a busy moment of the machine falls on all alike.
    for (int n = 0; n < settings.runs && result.failure.empty(); ++n) {
        for (const Program& program : programs)
            once(program, true);
    }
    return result;
}

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

} // namespace vatro::bench
