// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/table/program_rows.h"

#include <QJsonArray>

namespace tessavundo::table {

void AddEyedropperRows(GoalTable& table, const std::optional<QJsonObject>& sampling) {
    const QString rate = QStringLiteral("Eyedropper samples per second under Xvfb");
    const QString cpu = QStringLiteral("Eyedropper CPU share, pointer still over one color");
    const QString server =
        QStringLiteral("X server CPU share meanwhile (one round trip a tick while resting)");
    const QString why = QStringLiteral("BM_SampleRateResting gave no result under Xvfb");
    const QString shareGoal = QStringLiteral("<= %1 %").arg(kEyedropperCpuPercent);
    if (!sampling || !sampling->contains(QLatin1String("samples"))) {
        table.AddNotMeasured(rate, QStringLiteral(">= 850 /s"), why);
        table.AddNotMeasured(cpu, shareGoal, why);
        table.AddNotMeasured(server, shareGoal, why);
        return;
    }
    table.AddAtLeast(rate, (*sampling)[QLatin1String("samples")].toDouble(), 850,
                     QStringLiteral("/s"));
    const double share = 100 * (*sampling)[QLatin1String("cpu_time")].toDouble() /
                         (*sampling)[QLatin1String("real_time")].toDouble();
    table.AddBelow(cpu, share, kEyedropperCpuPercent, true, QStringLiteral("%"));
    if (sampling->contains(QLatin1String("x_server_cpu_percent"))) {
        table.AddBelow(server, (*sampling)[QLatin1String("x_server_cpu_percent")].toDouble(),
                       kEyedropperCpuPercent, true, QStringLiteral("%"));
    } else {
        table.AddNotMeasured(server, shareGoal,
                             QStringLiteral("the X server's process could not be read"));
    }
}

void AddStartupRows(GoalTable& table, const std::optional<QJsonObject>& startup) {
    QJsonObject picker;
    QJsonObject empty;
    if (startup) {
        for (const QJsonValue entry : (*startup)[QLatin1String("programs")].toArray()) {
            const QJsonObject program = entry.toObject();
            (program[QLatin1String("name")].toString() == QLatin1String("empty") ? empty : picker) =
                program;
        }
    }
    const auto value = [](const QJsonObject& program, const char* key) {
        return program[QLatin1String(key)].toDouble();
    };
    if (picker.isEmpty() || empty.isEmpty() || picker.contains(QLatin1String("error")) ||
        empty.contains(QLatin1String("error"))) {
        const QString why = QStringLiteral("startup_bench gave no result");
        const QString times = QStringLiteral("<= %1x empty Qt Widgets program");
        table.AddNotMeasured(QStringLiteral("Start-up to first mapped window"),
                             times.arg(kStartupTimes), why);
        table.AddNotMeasured(QStringLiteral("CPU time to first mapped window"),
                             times.arg(kStartupTimes), why);
        table.AddNotMeasured(QStringLiteral("Peak memory"), times.arg(kPeakMemoryTimes), why);
        table.AddNotMeasured(QStringLiteral("Shut-down"),
                             QStringLiteral("< %1 ms").arg(kShutdownMs), why);
        table.AddNotMeasured(QStringLiteral("Idle wake-ups"), QStringLiteral("0"), why);
        return;
    }
    const QString baseline = QStringLiteral("empty Qt Widgets program");
    table.AddAtMostTimes(
        QStringLiteral("Start-up to first mapped window (median of %1)").arg(kStartupRuns),
        value(picker, "startup_ms_median"), value(empty, "startup_ms_median"), kStartupTimes,
        baseline, QStringLiteral("ms"));
    table.AddAtMostTimes(QStringLiteral("CPU time to first mapped window, all threads (median)"),
                         value(picker, "startup_cpu_ms_median"),
                         value(empty, "startup_cpu_ms_median"), kStartupTimes, baseline,
                         QStringLiteral("ms"));
    table.AddAtMostTimes(
        QStringLiteral("Peak memory (VmHWM, median)"), value(picker, "peak_kib_median") / 1024,
        value(empty, "peak_kib_median") / 1024, kPeakMemoryTimes, baseline, QStringLiteral("MiB"));
    table.AddBelow(QStringLiteral("Shut-down, close request to process end, nothing of ours on "
                                  "the clipboard (median)"),
                   value(picker, "shutdown_ms_median"), kShutdownMs, false, QStringLiteral("ms"));
    table.AddForComparison(QStringLiteral("Shut-down of the empty Qt Widgets program (median)"),
                           FormatNumber(value(empty, "shutdown_ms_median"), QStringLiteral("ms")),
                           QStringLiteral("-"));
    table.AddBelow(QStringLiteral("Idle wake-ups in %1 s, neither timer running (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   value(picker, "idle_wakeups_max"), 0, true, QString());
    table.AddBelow(QStringLiteral("Idle CPU in %1 s, in clock ticks (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   value(picker, "idle_cpu_ticks_max"), 0, true, QString());
}

} // namespace tessavundo::table
