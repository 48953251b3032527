// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The swatch routines, the copy button and the settings written at shut-down and read at
// start-up, as the window runs them.
#include "platform/desktop/clipboard.h"
#include "platform/store/ini_file_settings_store.h"
#include "tests/support/fake_color_portal.h"
#include "tests/support/fake_screen_source.h"
#include "tests/support/form_harness.h"
#include "ui/form1.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessavundo;

namespace {

// Starts the window with six colors of different hues, so that every click renders the shade
// field.
void StartWithSwatches(testing::FormHarness& window) {
    const int colors[] = {16711680, 255, 65280, 3302600, 8388863, 16744448};
    for (int i = 0; i < 6; ++i)
        window.settings.Seed(QStringLiteral("col%1").arg(i + 1), QString::number(colors[i]));
    window.Start();
}

} // namespace

static void BM_SwatchClick(benchmark::State& state) {
    testing::FormHarness window;
    StartWithSwatches(window);
    Form1& form = *window.form;
    void (Form1::*const clicks[])() = {&Form1::Picture4_Click, &Form1::Picture5_Click,
                                       &Form1::Picture6_Click, &Form1::Picture7_Click,
                                       &Form1::Picture8_Click, &Form1::Picture9_Click};
    std::size_t next = 0;
    for (auto _ : state) {
        (form.*clicks[next])();
        next = (next + 1) % std::size(clicks);
    }
}
BENCHMARK(BM_SwatchClick)->Unit(benchmark::kMicrosecond);

static void BM_SwatchReset(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    for (auto _ : state)
        window.form->Picture9_DblClick();
}
BENCHMARK(BM_SwatchReset)->Unit(benchmark::kMicrosecond);

// The clipboard of the platform the benchmark runs on (offscreen unless chosen), and the push.
static void BM_CopyButton(benchmark::State& state) {
    testing::FormHarness window;
    window.Start();
    for (auto _ : state)
        window.form->Command3_Click();
}
BENCHMARK(BM_CopyButton)->Unit(benchmark::kMicrosecond);

// Shut-down writing the nine values into the settings file: one whole, safely replaced file.
static void BM_SaveNineSettings(benchmark::State& state) {
    QTemporaryDir dir;
    IniFileSettingsStore store(QFile::encodeName(dir.filePath("ColorPicker.conf")).toStdString(),
                               QStringLiteral("position"));
    SystemClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    Form1 form({store, clipboard, screen, portal});
    bool cancel = false;
    for (auto _ : state)
        form.Form_Unload(cancel);
}
BENCHMARK(BM_SaveNineSettings)->Unit(benchmark::kMicrosecond);

// The nine reads of start-up from a saved file.
static void BM_ReadNineSettings(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string file = QFile::encodeName(dir.filePath("ColorPicker.conf")).toStdString();
    const QStringList keys = {"left", "top",  "color", "col1", "col2",
                              "col3", "col4", "col5",  "col6"};
    QList<std::pair<QString, QString>> keyedTexts;
    for (const QString& key : keys)
        keyedTexts.append({key, QStringLiteral("16711680")});
    IniFileSettingsStore(file, QStringLiteral("position")).SaveSettings(keyedTexts);
    // Start-up reads the file once, when it makes its store.
    for (auto _ : state) {
        IniFileSettingsStore store(file, QStringLiteral("position"));
        for (const QString& key : keys)
            benchmark::DoNotOptimize(store.GetSetting(key));
    }
}
BENCHMARK(BM_ReadNineSettings)->Unit(benchmark::kMicrosecond);
