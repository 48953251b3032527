// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tessavundo::startup {

// A program started on the X server of DISPLAY with a settings folder and a runtime folder of
// its own, as on a first run in a fresh session; ended and cleaned up with the object.
class Launch {
public:
    // With `captureOutput`, the program's standard output goes to a pipe read by OutputFd.
    explicit Launch(const std::string& program, const std::vector<std::string>& arguments = {},
                    bool captureOutput = false);
    ~Launch();
    Launch(const Launch&) = delete;
    Launch& operator=(const Launch&) = delete;

    // 0 if the program could not be started.
    pid_t Pid() const { return pid_; }
    // Taken the moment before the process was created.
    std::chrono::steady_clock::time_point StartedAt() const { return startedAt_; }
    // The reading end of the output pipe, -1 without one.
    int OutputFd() const { return output_; }

    // Ends the program at once and returns the CPU time of all its threads, those that ended
    // before included, in milliseconds; empty if it was not running.
    std::optional<double> KillAndReadCpuMs();

    // Waits for the program to end by itself and returns the moment it ended; empty on
    // timeout.
    std::optional<std::chrono::steady_clock::time_point>
    WaitForEnd(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = 0;
    int output_ = -1;
    std::chrono::steady_clock::time_point startedAt_;
    // Holds the settings folder and the runtime folder.
    std::string folder_;
};

} // namespace tessavundo::startup
