// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Starts programs alternately on the X server of DISPLAY, each on a fresh settings folder, and
// prints as JSON, per program: the time from process creation to its first mapped window and
// the CPU time of all its threads until then, its peak memory, its wake-ups and CPU time while
// idle with the focus where start-up left it, and the time from a close request to its end.
//
#include "bench/startup/launch.h"
#include "bench/startup/process_stats.h"
#include "bench/startup/window_watcher.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace tessavundo::startup;

namespace {

struct Program {
    std::string name;
    std::string path;
    std::vector<double> startupMs;
    std::vector<double> startupCpuMs;
    std::vector<long> peakKib;
    std::vector<double> shutdownMs;
    long idleWakeupsMax = 0;
    long idleCpuTicksMax = 0;
    std::string error;
};

struct Options {
    int runs = 9;
    int idleRuns = 3;
    int idleSeconds = 3;
    std::vector<Program> programs;
};

// Start-up work that is still going on after the window is mapped (the first paint, the focus
// change) is left to finish before peak memory and idleness are read.
constexpr auto kSettleTime = std::chrono::milliseconds(1000);
constexpr auto kMapTimeout = std::chrono::seconds(20);
// A program that has not ended this long after a close request is counted with this time.
constexpr auto kEndTimeout = std::chrono::seconds(5);

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

template <typename T> double Median(std::vector<T> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? double(values[middle])
                             : (double(values[middle - 1]) + double(values[middle])) / 2;
}

// A start ended the moment its window is mapped: the time to that moment, and the CPU time of
// every thread until then, those that already ended included (read when the process is
// reaped, so it takes in the moment the watcher needs to see the window).
void MeasureStartup(WindowWatcher& watcher, Program& program, bool counted) {
    watcher.Forget();
    Launch launch(program.path);
    if (launch.Pid() == 0) {
        program.error = "could not start " + program.path;
        return;
    }
    const auto mapped = watcher.WaitForMappedWindow(launch.Pid(), kMapTimeout);
    const auto cpuMs = launch.KillAndReadCpuMs();
    if (!mapped || !cpuMs) {
        program.error = "no window mapped within 20 s";
        return;
    }
    if (counted) {
        program.startupMs.push_back(Milliseconds(mapped->mappedAt - launch.StartedAt()));
        program.startupCpuMs.push_back(*cpuMs);
    }
}

// A start that runs on: its peak memory once start-up has settled, its idleness if asked, and
// then the time from a close request to the end of the process.
void MeasureRunning(WindowWatcher& watcher, Program& program, bool idle, int idleSeconds) {
    watcher.Forget();
    Launch launch(program.path);
    if (launch.Pid() == 0) {
        program.error = "could not start " + program.path;
        return;
    }
    const auto mapped = watcher.WaitForMappedWindow(launch.Pid(), kMapTimeout);
    if (!mapped) {
        program.error = "no window mapped within 20 s";
        return;
    }
    watcher.Focus(mapped->window);
    std::this_thread::sleep_for(kSettleTime);
    if (idle) {
        const ProcessActivity before = ReadActivity(launch.Pid());
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const ProcessActivity after = ReadActivity(launch.Pid());
        program.idleWakeupsMax =
            std::max(program.idleWakeupsMax, after.contextSwitches - before.contextSwitches);
        program.idleCpuTicksMax =
            std::max(program.idleCpuTicksMax, after.cpuTicks - before.cpuTicks);
    }
    program.peakKib.push_back(ReadPeakResidentKib(launch.Pid()));
    watcher.RequestClose(mapped->window);
    const auto requested = std::chrono::steady_clock::now();
    const auto ended = launch.WaitForEnd(kEndTimeout);
    program.shutdownMs.push_back(
        Milliseconds((ended ? *ended : requested + kEndTimeout) - requested));
}

std::optional<int> ReadCount(const char* text) {
    int value = 0;
    const auto end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, value);
    if (error != std::errc() || rest != end || value < 0)
        return std::nullopt;
    return value;
}

std::optional<Options> ParseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        int* const count = argument == "--runs"           ? &options.runs
                           : argument == "--idle-runs"    ? &options.idleRuns
                           : argument == "--idle-seconds" ? &options.idleSeconds
                                                          : nullptr;
        if (count) {
            const auto value = i + 1 < argc ? ReadCount(argv[++i]) : std::nullopt;
            if (!value)
                return std::nullopt;
            *count = *value;
        } else if (const auto equals = argument.find('='); equals != std::string::npos) {
            Program program;
            program.name = argument.substr(0, equals);
            program.path = argument.substr(equals + 1);
            options.programs.push_back(program);
        } else {
            return std::nullopt;
        }
    }
    if (options.programs.empty() || options.runs < 1)
        return std::nullopt;
    return options;
}

void PrintJson(const Options& options) {
    std::cout << "{\"runs\": " << options.runs << ", \"idle_seconds\": " << options.idleSeconds
              << ", \"programs\": [";
    for (std::size_t i = 0; i < options.programs.size(); ++i) {
        const Program& program = options.programs[i];
        std::cout << (i ? ", " : "") << "{\"name\": \"" << program.name << "\"";
        if (!program.error.empty()) {
            std::cout << ", \"error\": \"" << program.error << "\"}";
            continue;
        }
        std::cout << ", \"startup_ms\": [";
        for (std::size_t run = 0; run < program.startupMs.size(); ++run)
            std::cout << (run ? ", " : "") << program.startupMs[run];
        std::cout << "], \"startup_ms_median\": " << Median(program.startupMs)
                  << ", \"startup_cpu_ms_median\": " << Median(program.startupCpuMs)
                  << ", \"peak_kib_median\": " << Median(program.peakKib)
                  << ", \"shutdown_ms_median\": " << Median(program.shutdownMs)
                  << ", \"idle_wakeups_max\": " << program.idleWakeupsMax
                  << ", \"idle_cpu_ticks_max\": " << program.idleCpuTicksMax << "}";
    }
    std::cout << "]}" << std::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: startup_bench [--runs N] [--idle-runs K] [--idle-seconds S] "
                     "NAME=PROGRAM...\n";
        return 2;
    }
    WindowWatcher watcher;
    if (!watcher.Connected()) {
        std::cerr << "startup_bench: no X server on DISPLAY (run it under tests/e2e/with-xvfb)\n";
        return 2;
    }

    // One uncounted start each first, so that no program pays alone for cold disk caches.
    for (Program& program : options->programs)
        MeasureStartup(watcher, program, false);
    // Alternately, and in reverse order every other round, so that a drift in the machine's
    // load falls on every program alike.
    for (int run = 0; run < options->runs; ++run) {
        const bool idle = run >= options->runs - options->idleRuns;
        auto measure = [&](Program& program) {
            if (program.error.empty())
                MeasureStartup(watcher, program, true);
            if (program.error.empty())
                MeasureRunning(watcher, program, idle, options->idleSeconds);
        };
        if (run % 2 == 0)
            std::for_each(options->programs.begin(), options->programs.end(), measure);
        else
            std::for_each(options->programs.rbegin(), options->programs.rend(), measure);
    }
    PrintJson(*options);
    return 0;
}
