// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The shade field in the straightforward form and in the form the program uses, over a sweep
// of hues, and over hues whose mid shades are partly held; and each instruction-set path.
#include "core/shade_field.h"
#include "core/shade_field_paths.h"
#include "core/shade_field_reference.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace tessavundo;

using Renderer = std::function<void(float, ShadeFieldPixels)>;

// Every hue of the bar in uneven steps, fractional ones included.
float NextSweepPosition(float position) {
    return position >= 1535 ? 0 : position + 7.25f;
}

// Positions whose right-hand mid shades are negative, so that they hold the last stored one.
constexpr float kHeldMidPositions[] = {511.5f, -200.0f, 1023.25f, -0.5f, 1535.75f, -1.0f};

void Render(benchmark::State& state, const Renderer& render, bool heldMids) {
    std::vector<std::uint8_t> buffer(kShadeFieldBytes);
    const ShadeFieldPixels pixels(buffer.data(), kShadeFieldBytes);
    float position = 0;
    std::size_t held = 0;
    for (auto _ : state) {
        if (heldMids) {
            held = (held + 1) % std::size(kHeldMidPositions);
            position = kHeldMidPositions[held];
        } else {
            position = NextSweepPosition(position);
        }
        render(position, pixels);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

void BM_RenderShadeField(benchmark::State& state, bool heldMids, bool reference) {
    if (reference) {
        Render(state, RenderShadeFieldReference, heldMids);
        return;
    }
    state.SetLabel(std::string(ShadeFieldPathName(FastestShadeFieldPath())));
    Render(
        state, [](float position, ShadeFieldPixels pixels) { RenderShadeField(position, pixels); },
        heldMids);
}
BENCHMARK_CAPTURE(BM_RenderShadeField, reference, false, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderShadeField, fastest, false, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderShadeField, held_reference, true, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderShadeField, held_fastest, true, false)->Unit(benchmark::kMicrosecond);

void BM_RenderShadeFieldPath(benchmark::State& state, ShadeFieldPath path) {
    if (!IsSupportedHere(path)) {
        state.SkipWithError("this processor lacks the path's instructions");
        return;
    }
    Render(
        state,
        [path](float position, ShadeFieldPixels pixels) {
            RenderShadeField(position, pixels, path);
        },
        false);
}
BENCHMARK_CAPTURE(BM_RenderShadeFieldPath, avx512, ShadeFieldPath::kAvx512)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderShadeFieldPath, avx2_fma, ShadeFieldPath::kAvx2Fma)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RenderShadeFieldPath, portable, ShadeFieldPath::kPortable)
    ->Unit(benchmark::kMicrosecond);

} // namespace
