// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// Times the one-shot pick on the X server of DISPLAY against an empty Qt Widgets program, both
// started alternately with fresh settings folders, and prints as JSON: from process creation to
// the empty program's first mapped window, from process creation to the picker's pointer grab
// (its magnifier), from the Right arrow key to the pointer moved by the picker, and from a
// left click (sent through XTEST) to the picker's printed line.
//
//   pick_bench [--runs N] PICKER EMPTY_PROGRAM
#include "bench/startup/grab_watcher.h"
#include "bench/startup/launch.h"
#include "bench/startup/window_watcher.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <regex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace tessavundo::startup;

namespace {

constexpr auto kTimeout = std::chrono::seconds(20);
constexpr int kLineTimeoutMs = 5000;
constexpr auto kSettleTime = std::chrono::milliseconds(300);

double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The first line the program writes, and the moment it was complete; empty on timeout or end.
std::optional<std::pair<std::string, std::chrono::steady_clock::time_point>> ReadLine(int fd) {
    std::string line;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kLineTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd descriptor{fd, POLLIN, 0};
        if (poll(&descriptor, 1, kLineTimeoutMs) <= 0)
            return std::nullopt;
        char buffer[64];
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return std::nullopt;
        line.append(buffer, static_cast<std::size_t>(count));
        if (const auto end = line.find('\n'); end != std::string::npos)
            return std::make_pair(line.substr(0, end), std::chrono::steady_clock::now());
    }
    return std::nullopt;
}

struct Results {
    std::vector<double> emptyMapMs;
    std::vector<double> pickGrabMs;
    std::vector<double> clickToLineMs;
    std::vector<double> keyToMoveMs;
    std::string printed;
    std::string error;
};

void MeasureEmpty(WindowWatcher& watcher, const std::string& program, Results& results,
                  bool counted) {
    watcher.Forget();
    const Launch launch(program);
    const auto mapped =
        launch.Pid() ? watcher.WaitForMappedWindow(launch.Pid(), kTimeout) : std::nullopt;
    if (!mapped) {
        results.error = "the empty program mapped no window";
        return;
    }
    if (counted)
        results.emptyMapMs.push_back(Milliseconds(mapped->mappedAt - launch.StartedAt()));
}

void MeasurePick(GrabWatcher& grabs, const std::string& picker, Results& results, bool counted) {
    grabs.Forget();
    const Launch launch(picker, {"--pick"}, true);
    const auto grabbed = launch.Pid() ? grabs.WaitForGrab(kTimeout) : std::nullopt;
    if (!grabbed) {
        results.error = "the picker never grabbed the pointer";
        return;
    }
    // A user's first key comes well after the magnifier shows; the first view also loads the
    // fonts of its hex text.
    std::this_thread::sleep_for(kSettleTime);
    const auto stepped = grabs.StepRight(std::chrono::milliseconds(kLineTimeoutMs));
    if (!stepped) {
        results.error = "the arrow key did not move the pointer";
        return;
    }
    const auto clicked = grabs.Click();
    const auto line = ReadLine(launch.OutputFd());
    if (!line || !std::regex_match(line->first, std::regex("#[0-9A-F]{6}"))) {
        results.error = "the picker printed no color after the click";
        return;
    }
    results.printed = line->first;
    if (counted) {
        results.pickGrabMs.push_back(Milliseconds(*grabbed - launch.StartedAt()));
        results.clickToLineMs.push_back(Milliseconds(line->second - clicked));
        results.keyToMoveMs.push_back(Milliseconds(*stepped));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 15;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            const char* text = argv[++i];
            const auto [rest, error] = std::from_chars(text, text + std::strlen(text), runs);
            if (error != std::errc() || *rest != '\0' || runs < 1)
                programs.clear();
        } else {
            programs.push_back(argument);
        }
    }
    if (programs.size() != 2) {
        std::cerr << "usage: pick_bench [--runs N] PICKER EMPTY_PROGRAM\n";
        return 2;
    }
    WindowWatcher windows;
    GrabWatcher grabs;
    if (!windows.Connected() || !grabs.Connected()) {
        std::cerr << "pick_bench: no X server on DISPLAY (run it under tests/e2e/with-xvfb)\n";
        return 2;
    }

    Results results;
    // One uncounted run each for warm disk caches, then alternately, in reverse order every
    // other round, so that a drift in the machine's load falls on both alike.
    for (int run = -1; run < runs && results.error.empty(); ++run) {
        const bool counted = run >= 0;
        if (run % 2 == 0) {
            MeasureEmpty(windows, programs[1], results, counted);
            MeasurePick(grabs, programs[0], results, counted);
        } else {
            MeasurePick(grabs, programs[0], results, counted);
            MeasureEmpty(windows, programs[1], results, counted);
        }
    }
    if (!results.error.empty()) {
        std::cout << "{\"error\": \"" << results.error << "\"}" << std::endl;
        return 1;
    }
    std::cout << "{\"runs\": " << runs
              << ", \"empty_map_ms_median\": " << Median(results.emptyMapMs)
              << ", \"pick_grab_ms_median\": " << Median(results.pickGrabMs)
              << ", \"click_to_line_ms_median\": " << Median(results.clickToLineMs)
              << ", \"click_to_line_ms_max\": "
              << *std::max_element(results.clickToLineMs.begin(), results.clickToLineMs.end())
              << ", \"key_to_move_ms_median\": " << Median(results.keyToMoveMs)
              << ", \"printed\": \"" << results.printed << "\"}" << std::endl;
    return 0;
}
