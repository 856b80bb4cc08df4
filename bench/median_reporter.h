#pragma once

// How the Google Benchmark suite hands its figures to the driver: one line per benchmark,
// "NAME cpu_ns=… wall_ns=… COUNTER=…", the median of its repetitions, so that the driver
// reads them without a JSON library (and without Qt, which would sit in memory through its
// cold starts).
#include <benchmark/benchmark.h>

#include <cstdio>

namespace vatro::bench {

class MedianReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.error_occurred) {
                std::printf("failed %s %s\n", name.c_str(), run.error_message.c_str());
                continue;
            }
            if (run.aggregate_name != "median")
                continue;
            const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::printf("median %s cpu_ns=%.6g wall_ns=%.6g", name.c_str(),
                        run.GetAdjustedCPUTime() * toNs, run.GetAdjustedRealTime() * toNs);
            for (const auto& [counter, value] : run.counters)
                std::printf(" %s=%.6g", counter.c_str(), value.value);
            std::printf("\n");
        }
        std::fflush(stdout);
    }
};

} // namespace vatro::bench
