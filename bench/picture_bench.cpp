// What a start pays for the main window's picture, which comes drawn with the game as the
// pixels a window paints: getting it ready to paint, on a plain screen (carried in the
// program, used where it lies) and on one of twice the density (unpacked).
#include "view/pictures.h"

#include <benchmark/benchmark.h>

namespace vatro::bench {
namespace {

void readyPicture(benchmark::State& state, qreal ratio) {
    for (auto _ : state) {
        Picture ready = picture("mouse.svg", ratio);
        benchmark::DoNotOptimize(ready);
    }
}
BENCHMARK_CAPTURE(readyPicture, plain, 1.0)->Name("picture/plain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readyPicture, dense, 2.0)->Name("picture/dense")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vatro::bench
