// The long soak run: `vatro_soak [EVENTS] [SEED] [QUIZ FOLDER]`.
#include "support/soak.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::uint64_t events = argc > 1 ? std::stoull(argv[1]) : 1'000'000;
    const std::uint64_t seed = argc > 2 ? std::stoull(argv[2]) : 20261208;
    const std::string folder = argc > 3 ? argv[3] : VATRO_SAMPLE_QUIZ;
    const vatro::testing::SoakReport report = vatro::testing::soak(folder, seed, events);
    std::cout << "soak: " << report.events << " events, seed " << report.seed << ", "
              << report.verdicts << " verdicts, " << report.faults << " file faults, "
              << (report.violation.empty() ? "no violation" : report.violation) << "\n";
    return report.violation.empty() ? EXIT_SUCCESS : EXIT_FAILURE;
}
