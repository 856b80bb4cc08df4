#include "support/soak.h"

#include <gtest/gtest.h>

#include <iostream>

namespace vatro::testing {
namespace {

// A hundred thousand random clicks, presses, keys, ticks and resizes on the sample quiz,
// its files and folder broken and mended between them: no exception, every index within its
// bounds, no player's results changed but by the rules, and no end that nobody asked for.
TEST(Soak, HundredThousandRandomEventsWithFileFaultsKeepTheGameStateSound) {
    const SoakReport report = soak(VATRO_SAMPLE_QUIZ, 20261208, 100000);
    std::cout << "soak: " << report.events << " events, " << report.faults << " file faults, seed "
              << report.seed << ", " << report.verdicts << " verdicts\n";
    EXPECT_EQ(report.violation, "") << "after event " << report.events;
    EXPECT_EQ(report.events, 100000u);
    // The random play reaches real games, not only the start screen, and the faults strike.
    EXPECT_GT(report.verdicts, 100u);
    EXPECT_GT(report.faults, 1000u);
}

} // namespace
} // namespace vatro::testing
