// `make bench`: starts the measured programs, runs the Google Benchmark suite, and prints
// one table of figures, each against its reference where it has one, all from this run.
#include "child.h"
#include "core_figures.h"
#include "framewatch.h"
#include "measure.h"
#include "report.h"
#include "settings.h"
#include "summary.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using namespace vatro::bench;

int main(int argc, char* argv[]) {
    Settings settings;
    settings.programs = fs::canonical("/proc/self/exe").parent_path();
    for (int n = 1; n + 1 < argc; n += 2) {
        const std::string option = argv[n];
        const std::string value = argv[n + 1];
        if (option == "--quiz")
            settings.quiz = fs::absolute(value);
        else if (option == "--runs")
            settings.runs = std::max(1, std::atoi(value.c_str()));
        else if (option == "--idle")
            settings.idleSeconds = std::max(1, std::atoi(value.c_str()));
        else if (option == "--min-time")
            settings.minTime = std::atof(value.c_str());
        else {
            std::fprintf(stderr, "usage: %s [--quiz DIR] [--runs N] [--idle S] [--min-time S]\n",
                         argv[0]);
            return 2;
        }
    }
    char scratch[] = "/tmp/vatro-bench-XXXXXX";
    if (!mkdtemp(scratch)) {
        std::perror("vatro_bench: no scratch folder");
        return 1;
    }
    settings.scratch = scratch;
    Figures figures;
    figures.loadBefore = loadAverage();
    const long long began = monotonicNow();

    figures.cold = canDropPageCache();
    const auto startUps = [&](const char* where, const Environment& env, FrameWatch* watch,
                              StartUps& warm, StartUps& cold) {
        std::fprintf(stderr, "bench: start-up, %s, warm (%d runs each)\n", where, settings.runs);
        warm = measureStartUps(settings, env, watch, false);
        if (!figures.cold)
            return;
        std::fprintf(stderr, "bench: start-up, %s, cold (%d runs each)\n", where, settings.runs);
        cold = measureStartUps(settings, env, watch, true);
    };
    const Environment offscreen = platformEnvironment(settings, "offscreen", {});
    startUps("offscreen", offscreen, nullptr, figures.offscreen, figures.offscreenCold);
    const Xvfb server;
    figures.idleUnderXvfb = server.running();
    if (server.running()) {
        const Environment env = platformEnvironment(settings, "xcb", server.display());
        FrameWatch watch(server.display());
        if (watch.connected()) {
            startUps(("Xvfb " + server.display()).c_str(), env, &watch, figures.xvfb,
                     figures.xvfbCold);
        } else {
            figures.xvfb.failure = "no XDamage on Xvfb " + server.display();
            figures.xvfbCold.failure = figures.xvfb.failure;
        }
        std::fprintf(stderr, "bench: idle, %d s under Xvfb\n", settings.idleSeconds);
        figures.idle = measureIdle(settings, env, &server);
    } else {
        figures.xvfb.failure = "Xvfb did not start";
        figures.xvfbCold.failure = figures.xvfb.failure;
        std::fprintf(stderr, "bench: idle, %d s offscreen (no Xvfb)\n", settings.idleSeconds);
        figures.idle = measureIdle(settings, offscreen, nullptr);
    }
    std::fprintf(stderr, "bench: Google Benchmark, %d repetitions\n", settings.repetitions);
    figures.micro = runCoreBenchmarks(settings, figures.microFailure);
    figures.seconds = double(monotonicNow() - began) / 1e9;
    std::error_code ignored;
    fs::remove_all(settings.scratch, ignored);

    return printFigures(settings, figures) ? 0 : 1;
}
