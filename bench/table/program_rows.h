// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bench/table/goal_table.h"

#include <QJsonObject>
#include <optional>

namespace tessavundo::table {

// How startup_bench is run, which the rows name.
inline constexpr int kStartupRuns = 15;
inline constexpr int kIdleRuns = 3;
inline constexpr int kIdleSeconds = 3;

// The goals of the running program: start-up and its CPU time at most these times the empty
// program's, peak memory likewise, shut-down below a fixed time, and the eyedropper's share of
// a core, the picker's and the X server's each.
inline constexpr double kStartupTimes = 1.2;
inline constexpr double kPeakMemoryTimes = 1.15;
inline constexpr double kShutdownMs = 20;
inline constexpr double kEyedropperCpuPercent = 6;

// The rows of BM_SampleRateResting's JSON entry (samples, cpu_time, real_time and
// x_server_cpu_percent), or rows not measured when there is none.
void AddEyedropperRows(GoalTable& table, const std::optional<QJsonObject>& sampling);

// The rows of startup_bench's JSON output for the programs "tessavundo" and "empty", or rows
// not measured when either is missing or failed.
void AddStartupRows(GoalTable& table, const std::optional<QJsonObject>& startup);

} // namespace tessavundo::table
