// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "core/locate.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LocateColor(benchmark::State& state, const char* rgbText) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tessavundo::LocateColor(rgbText, "."));
}

BENCHMARK_CAPTURE(BM_LocateColor, chromatic, "rgb(200,100,50)");
BENCHMARK_CAPTURE(BM_LocateColor, gray, "rgb(128,128,128)");
BENCHMARK_CAPTURE(BM_LocateColor, fractional, "rgb( 12.5 , 0 , 0 )");
BENCHMARK_CAPTURE(BM_LocateColor, rejected, "rgb(256,0,0)");

} // namespace
