#pragma once

// The start-up, memory and idle figures of the game and the editor against the bare window.
#include "child.h"
#include "settings.h"

#include <optional>
#include <string>
#include <vector>

namespace vatro::bench {

class FrameWatch;

double median(std::vector<double> values);

// The starts of one program: each start's figures, in the order taken.
struct Series {
    std::vector<double> ms, kb, cpuMs;
};

struct StartUps {
    Series game, editor, bare;
    std::string failure;
};

// A cold start finds nothing of the programs in memory, as after the machine was switched
// on; emptying the system's file cache needs the administrator.
bool canDropPageCache();

struct Idle {
    double cpuPercent = 0;
    double wakeupsPerSecond = 0;
    double paintsPerSecond = 0;
    std::optional<double> serverPercent;
    std::string failure;
};

Environment platformEnvironment(const Settings& settings, const std::string& platform,
                                const std::string& display);

// The three programs started in turns, settings.runs times each. With a frame watch, each
// program is the one players and teachers start, its first frame seen by the X server;
// without, each reports its own first frame.
StartUps measureStartUps(const Settings& settings, const Environment& env, FrameWatch* watch,
                         bool cold);

Idle measureIdle(const Settings& settings, const Environment& env, const Xvfb* server);

} // namespace vatro::bench
