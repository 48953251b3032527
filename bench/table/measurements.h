// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <optional>

namespace tessavundo::table {

// One figure of a benchmark run: CPU time per iteration in microseconds (the median of the
// repetitions) and the benchmark's label.
struct Timing {
    double microseconds = 0;
    QString label;
};

// The timings of a Google Benchmark program's JSON output, by benchmark name; benchmarks that
// failed or were skipped are left out.
QMap<QString, Timing> ReadBenchmarkJson(const QByteArray& json);

// A JSON object from a program's output or a file; empty when there is none or it does not
// parse.
std::optional<QJsonObject> ParseJsonObject(const QByteArray& json);

} // namespace tessavundo::table
