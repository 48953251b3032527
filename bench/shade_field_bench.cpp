#include "core/shade_field.h"
#include "core/shade_field_reference.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using tessavundo::kShadeFieldBytes;

using Renderer = void (*)(float, tessavundo::ShadeFieldPixels);

void BM_Render(benchmark::State& state, Renderer render, float huePosition) {
    std::vector<std::uint8_t> buffer(kShadeFieldBytes);
    const tessavundo::ShadeFieldPixels pixels(buffer.data(), kShadeFieldBytes);
    for (auto _ : state) {
        render(huePosition, pixels);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

// 700 is a typical hue; 511.5 and -200 take the rare path where mid shades are held.
BENCHMARK_CAPTURE(BM_Render, reference_700, tessavundo::RenderShadeFieldReference, 700.0f);
BENCHMARK_CAPTURE(BM_Render, fast_700, tessavundo::RenderShadeField, 700.0f);
BENCHMARK_CAPTURE(BM_Render, reference_100_5, tessavundo::RenderShadeFieldReference, 100.5f);
BENCHMARK_CAPTURE(BM_Render, fast_100_5, tessavundo::RenderShadeField, 100.5f);
BENCHMARK_CAPTURE(BM_Render, reference_511_5, tessavundo::RenderShadeFieldReference, 511.5f);
BENCHMARK_CAPTURE(BM_Render, fast_511_5, tessavundo::RenderShadeField, 511.5f);
BENCHMARK_CAPTURE(BM_Render, reference_minus_200, tessavundo::RenderShadeFieldReference, -200.0f);
BENCHMARK_CAPTURE(BM_Render, fast_minus_200, tessavundo::RenderShadeField, -200.0f);

} // namespace
