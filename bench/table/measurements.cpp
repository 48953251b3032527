// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/table/measurements.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tessavundo::table {
namespace {

double ToMicroseconds(double value, const QString& unit) {
    if (unit == QLatin1String("ns"))
        return value / 1000;
    if (unit == QLatin1String("ms"))
        return value * 1000;
    if (unit == QLatin1String("s"))
        return value * 1e6;
    return value;
}

} // namespace

std::optional<QJsonObject> ParseJsonObject(const QByteArray& json) {
    // Programs may print other lines before their JSON.
    const auto start = json.indexOf('{');
    if (start < 0)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(json.mid(start));
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

QMap<QString, Timing> ReadBenchmarkJson(const QByteArray& json) {
    QMap<QString, Timing> timings;
    const auto root = ParseJsonObject(json);
    if (!root)
        return timings;
    for (const QJsonValue entry : (*root)[QLatin1String("benchmarks")].toArray()) {
        const QJsonObject benchmark = entry.toObject();
        if (benchmark[QLatin1String("error_occurred")].toBool())
            continue;
        const QString aggregate = benchmark[QLatin1String("aggregate_name")].toString();
        // With repetitions only the median counts; a single run has no aggregate.
        if (!aggregate.isEmpty() && aggregate != QLatin1String("median"))
            continue;
        const QString name = benchmark[QLatin1String("run_name")].toString();
        if (!aggregate.isEmpty() || !timings.contains(name)) {
            timings[name] = {ToMicroseconds(benchmark[QLatin1String("cpu_time")].toDouble(),
                                            benchmark[QLatin1String("time_unit")].toString()),
                             benchmark[QLatin1String("label")].toString()};
        }
    }
    return timings;
}

} // namespace tessavundo::table
