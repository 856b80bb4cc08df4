#include "measure.h"

#include "report.h"

#include <algorithm>
#include <filesystem>

namespace vatro::bench {

namespace fs = std::filesystem;

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
