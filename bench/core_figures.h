#pragma once

// The Google Benchmark suite of the core and the view: run as its own program, its figures
// read back from the JSON it writes.
#include "settings.h"

#include <map>
#include <string>

namespace vatro::bench {

struct Micro {
    double ns = 0;     // processor time
    double wallNs = 0; // wall time, for what waits on the disk
    std::map<std::string, double> counters;
};

// The median of each benchmark by its name; what went wrong is told in failure.
std::map<std::string, Micro> runCoreBenchmarks(const Settings& settings, std::string& failure);

} // namespace vatro::bench
