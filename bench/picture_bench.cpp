// What a start pays for the main window's picture now that it comes drawn with the game:
// decoding the embedded drawing, on a plain screen and on one of twice the density.
#include "view/pictures.h"

#include <benchmark/benchmark.h>

namespace vatro::bench {
namespace {

void decodePicture(benchmark::State& state, qreal ratio) {
    for (auto _ : state) {
        QImage image = pictureImage("mouse.svg", ratio);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK_CAPTURE(decodePicture, plain, 1.0)->Name("picture/plain")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodePicture, dense, 2.0)->Name("picture/dense")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vatro::bench
