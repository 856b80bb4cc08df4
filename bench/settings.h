#pragma once

// What `make bench` measures with, from its command line.
#include <filesystem>

namespace vatro::bench {

struct Settings {
    std::filesystem::path programs; // where the measured programs lie: beside the driver
    std::filesystem::path quiz = VATRO_SAMPLE_QUIZ;
    int runs = 11;
    int idleSeconds = 30;
    double minTime = 0.2; // seconds per Google Benchmark repetition
    int repetitions = 3;
    // This run's own folder: the programs keep what they cache under it, not in the home
    // folder of whoever measures.
    std::filesystem::path scratch;
};

} // namespace vatro::bench
