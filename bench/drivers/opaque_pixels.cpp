// The cost, per frame, of giving libmpv's frames an opaque padding byte before they are shown,
// at the sizes Quorvel draws: the small window, a larger one and full screen.
#include "runtime/mpv/OpaquePixels.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr size_t kAlignment = 64;  // as the video surface allocates its frames

void makeOpaqueFrame(benchmark::State& state) {
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const size_t stride = (size_t(width) * 4 + kAlignment - 1) / kAlignment * kAlignment;
    const size_t bytes = stride * size_t(height);
    std::unique_ptr<void, decltype(&std::free)> frame(std::aligned_alloc(kAlignment, bytes), &std::free);
    if (!frame) {
        state.SkipWithError("no memory for the frame");
        return;
    }
    for (auto _ : state) {
        runtime::makeOpaque(frame.get(), width, height, stride);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

}  // namespace

BENCHMARK(makeOpaqueFrame)->Args({320, 240})->Args({640, 480})->Args({1280, 720})->Args({1920, 1080});
BENCHMARK_MAIN();
