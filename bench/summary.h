#pragma once

// The table `make bench` prints: every figure of one run against its reference and target.
#include "core_figures.h"
#include "measure.h"
#include "settings.h"

#include <map>
#include <string>
#include <vector>

namespace vatro::bench {

// All that one run measured.
struct Figures {
    StartUps offscreen, offscreenCold;
    StartUps xvfb, xvfbCold;
    bool cold = false; // the file cache could be emptied for cold starts
    Idle idle;
    bool idleUnderXvfb = false;
    std::map<std::string, Micro> micro;
    std::string microFailure;
    std::string loadBefore; // the load average as the run began
    double seconds = 0;     // the whole run
};

// The machine's load average over the last minute, as the kernel shows it.
std::string loadAverage();

// Prints the table; false when a measurement could not be taken.
bool printFigures(const Settings& settings, const Figures& figures);

} // namespace vatro::bench
