// What a start pays for the main window's picture, which comes drawn with the game as the
// pixels a window paints: unpacking them, on a plain screen and on one of twice the density.
#include "view/pictures.h"

#include <benchmark/benchmark.h>

namespace vatro::bench {
namespace {

void unpackPicture(benchmark::State& state, qreal ratio) {
    for (auto _ : state) {
        QImage image = pictureImage("mouse.svg", ratio);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK_CAPTURE(unpackPicture, plain, 1.0)->Name("picture/plain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(unpackPicture, dense, 2.0)->Name("picture/dense")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vatro::bench
