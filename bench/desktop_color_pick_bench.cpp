// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The desktop's answer to the eyedropper where the screen cannot be read continuously: the
// toggle going down asks, and the answer is sampled, located (rendering the field), shown in
// both fields and copied, the toggle coming back up.
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"

#include <benchmark/benchmark.h>

using namespace tessavundo;

namespace {

void BM_DesktopColorAnswer(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    window.screen.SetCanReadContinuously(false);
    int step = 0;
    for (auto _ : state) {
        // Every answer of a new hue, so that every one renders the shade field.
        window.form->Check1->SetValue(1);
        window.portal.Answer(0x30 + 256 * (step & 0xFF) + 65536 * 0xC0);
        step = (step + 7) & 0xFF;
    }
}
BENCHMARK(BM_DesktopColorAnswer)->Unit(benchmark::kMicrosecond);

} // namespace
