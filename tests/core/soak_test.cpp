#include "support/soak.h"

#include <gtest/gtest.h>

#include <iostream>

namespace vatro::testing {
namespace {

// A hundred thousand random clicks, presses, keys, ticks and resizes on the sample quiz:
// no exception, every index within its bounds, no player's results lost.
TEST(Soak, HundredThousandRandomEventsKeepTheGameStateSound) {
    const SoakReport report = soak(VATRO_SAMPLE_QUIZ, 20261208, 100000);
    std::cout << "soak: " << report.events << " events, seed " << report.seed << ", "
              << report.verdicts << " verdicts\n";
    EXPECT_EQ(report.violation, "") << "after event " << report.events;
    EXPECT_EQ(report.events, 100000u);
    // The random play reaches real games, not only the start screen.
    EXPECT_GT(report.verdicts, 100u);
}

} // namespace
} // namespace vatro::testing
