#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vatro::testing {

struct SoakReport {
    std::uint64_t events = 0;
    std::uint64_t seed = 0;
    std::uint64_t verdicts = 0; // points and mistakes counted along the way
    std::uint64_t faults = 0;   // files and the folder broken between events
    std::string violation;      // empty when every invariant held after every event
};

// Plays a seeded random sequence of user events over the whole main window on a copy of the
// quiz in the folder, checking the invariants of the game state after every event; with
// faults, the copy's files and the folder itself are broken and mended between events.
SoakReport soak(const std::filesystem::path& quizFolder, std::uint64_t seed, std::uint64_t events,
                bool withFaults = true);

} // namespace vatro::testing
