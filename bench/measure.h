#pragma once

// The start-up, memory and idle figures of the game against the bare window.
#include "child.h"
#include "settings.h"

#include <optional>
#include <string>
#include <vector>

namespace vatro::bench {

double median(std::vector<double> values);

struct StartUps {
    std::vector<double> gameMs, bareMs, gameKb, bareKb, gameCpuMs, bareCpuMs;
    std::string failure;
};

struct Idle {
    double cpuPercent = 0;
    double wakeupsPerSecond = 0;
    double paintsPerSecond = 0;
    std::optional<double> serverPercent;
    std::string failure;
};

Environment platformEnvironment(const Settings& settings, const std::string& platform,
                                const std::string& display);

StartUps measureStartUps(const Settings& settings, const Environment& env);

Idle measureIdle(const Settings& settings, const Environment& env, const Xvfb* server);

} // namespace vatro::bench
