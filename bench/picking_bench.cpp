// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The two inputs that render the whole field while the user works: a keystroke in the rgb
// field and a tick of the rainbow bar's follow-up timer.
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

using namespace tessavundo;

// One key typed into the rgb field, end to end: the change routine converts the text, the
// locate routine renders the field for the new hue and every control asks to be repainted.
// Backspace and "0" take turns at the end of "rgb(200,100,50", so the text alternates between
// two colors that are no gray.
static void BM_RgbFieldKeystroke(benchmark::State& state) {
    testing::FormHarness window;
    if (!window.StartWindow()) {
        state.SkipWithError("the window never became active");
        return;
    }
    Form1& form = *window.form;
    // Typed text converts only while the rgb field holds the focus, as it does for the user.
    form.Text1->setFocus(Qt::TabFocusReason);
    if (form.RgbFieldFocused == 0) {
        state.SkipWithError("the rgb field did not take the focus");
        return;
    }
    form.Text1->SetText(QStringLiteral("rgb(200,100,50"));
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QKeyEvent zero(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
    bool erase = true;
    for (auto _ : state) {
        QApplication::sendEvent(form.Text1, erase ? &backspace : &zero);
        erase = !erase;
    }
}
BENCHMARK(BM_RgbFieldKeystroke)->Unit(benchmark::kMicrosecond);

// One tick while dragging on the bar: render and publish the color under the field marker. The
// drag moves the hue between ticks.
static void BM_Timer2Tick(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    Form1& form = *window.form;
    form.show();
    bool up = true;
    for (auto _ : state) {
        form.HuePosition = up ? 599.5f : 899.25f;
        form.Timer2_Timer();
        up = !up;
    }
}
BENCHMARK(BM_Timer2Tick)->Unit(benchmark::kMicrosecond);
