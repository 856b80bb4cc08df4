#include "core_figures.h"

#include "child.h"
#include "measure.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace vatro::bench {

std::map<std::string, Micro> runCoreBenchmarks(const Settings& settings, std::string& failure) {
    std::map<std::string, Micro> results;
    Environment env = platformEnvironment(settings, "offscreen", {});
    char minTime[32];
    std::snprintf(minTime, sizeof minTime, "%g", settings.minTime);
    const Child child = run(
        settings.programs / "vatro_bench_core",
        {"--medians", "--benchmark_repetitions=" + std::to_string(settings.repetitions),
         "--benchmark_report_aggregates_only=true", std::string("--benchmark_min_time=") + minTime},
        env, settings.quiz, 600'000);
    if (!child.ok) {
        failure = child.failure;
        return results;
    }
    // "median NAME cpu_ns=… wall_ns=… COUNTER=…" or "failed NAME WHY".
    std::istringstream lines(child.output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string kind;
        std::string name;
        words >> kind >> name;
        if (kind == "failed") {
            std::string why;
            std::getline(words, why);
            failure += name + ":" + why + "\n";
            continue;
        }
        if (kind != "median")
            continue;
        Micro micro;
        for (std::string word; words >> word;) {
            const auto equals = word.find('=');
            if (equals == std::string::npos)
                continue;
            const std::string key = word.substr(0, equals);
            const double value = std::atof(word.c_str() + equals + 1);
            // Processor time: a busy neighbour on a shared machine stretches the wall clock.
            if (key == "cpu_ns")
                micro.ns = value;
            else if (key == "wall_ns")
                micro.wallNs = value;
            else
                micro.counters[key] = value;
        }
        results[name] = micro;
    }
    return results;
}

} // namespace vatro::bench
