// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "bench/table/goal_table.h"

#include <QJsonObject>
#include <array>
#include <optional>

namespace tessavundo::table {

// How startup_bench is run, which the rows name.
inline constexpr int kStartupRuns = 15;
inline constexpr int kIdleRuns = 3;
inline constexpr int kIdleSeconds = 3;

// The goals of the running program. Start-up time, its CPU time and peak memory at most these
// times those of the least window that shows text (the empty window with one text field: the
// font configuration alone costs more than an empty window's whole start-up), and start-up time
// well below Qt's own color dialog's (0: a figure shown for comparison, without a goal).
// Shut-down below a fixed time, and the eyedropper's share of a core, the picker's and the X
// server's each.
inline constexpr std::array<double, 3> kAgainstTextField = {1.00, 1.10, 1.10};
inline constexpr std::array<double, 3> kAgainstColorDialog = {0.70, 0, 0};
inline constexpr double kShutdownMs = 20;
inline constexpr double kEyedropperCpuPercent = 6;

// The rows of BM_SampleRateResting's JSON entry (samples, cpu_time, real_time and
// x_server_cpu_percent), or rows not measured when there is none.
void AddEyedropperRows(GoalTable& table, const std::optional<QJsonObject>& sampling);

// The rows of startup_bench's JSON output for the programs "tessavundo", "text_field",
// "color_dialog" and "empty", or rows not measured where the picker or the program a goal is
// set against is missing or failed.
void AddStartupRows(GoalTable& table, const std::optional<QJsonObject>& startup);

} // namespace tessavundo::table
