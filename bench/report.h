#pragma once

// What a measured window program tells the bench driver, one "name=value" line each on its
// standard output: the moment its first frame was shown, and for an idle run the processor
// time it used while it idled.
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace vatro::bench {

inline std::int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The driver reads the same clock just before it starts the program.
inline std::int64_t monotonicNow() {
    return nanoseconds(CLOCK_MONOTONIC);
}

// Every thread of the process, the X connection's reader thread among them.
inline std::int64_t processCpuNow() {
    return nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
}

inline void report(const char* name, std::int64_t value) {
    std::printf("%s=%lld\n", name, static_cast<long long>(value));
    std::fflush(stdout);
}

} // namespace vatro::bench
