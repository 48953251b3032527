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

namespace {

QJsonObject ProgramNamed(const std::optional<QJsonObject>& startup, const QString& name) {
    if (startup) {
        for (const QJsonValue entry : (*startup)[QLatin1String("programs")].toArray())
            if (entry[QLatin1String("name")].toString() == name)
                return entry.toObject();
    }
    return {};
}

double Figure(const QJsonObject& program, const char* key) {
    return program[QLatin1String(key)].toDouble();
}

// What one text field alone costs a Qt Widgets window before it is mapped: the font
// configuration, text layout and the accessibility bridge, which the picker needs too.
void AddTextFieldRows(GoalTable& table, const QJsonObject& textField, const QJsonObject& empty) {
    if (textField.isEmpty() || textField.contains(QLatin1String("error")))
        return;
    const auto times = [&](const char* key) {
        return QStringLiteral("%1x the empty program")
            .arg(Figure(textField, key) / Figure(empty, key), 0, 'f', 2);
    };
    const QString program = QStringLiteral("the empty program with one text field");
    table.AddForComparison(
        QStringLiteral("Start-up to first mapped window, %1").arg(program),
        FormatNumber(Figure(textField, "startup_ms_median"), QStringLiteral("ms")),
        times("startup_ms_median"));
    table.AddForComparison(
        QStringLiteral("CPU time to first mapped window, %1").arg(program),
        FormatNumber(Figure(textField, "startup_cpu_ms_median"), QStringLiteral("ms")),
        times("startup_cpu_ms_median"));
    table.AddForComparison(
        QStringLiteral("Peak memory, %1").arg(program),
        FormatNumber(Figure(textField, "peak_kib_median") / 1024, QStringLiteral("MiB")),
        times("peak_kib_median"));
}

} // namespace

void AddStartupRows(GoalTable& table, const std::optional<QJsonObject>& startup) {
    const QJsonObject picker = ProgramNamed(startup, QStringLiteral("tessavundo"));
    const QJsonObject empty = ProgramNamed(startup, QStringLiteral("empty"));
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
        Figure(picker, "startup_ms_median"), Figure(empty, "startup_ms_median"), kStartupTimes,
        baseline, QStringLiteral("ms"));
    table.AddAtMostTimes(QStringLiteral("CPU time to first mapped window, all threads (median)"),
                         Figure(picker, "startup_cpu_ms_median"),
                         Figure(empty, "startup_cpu_ms_median"), kStartupTimes, baseline,
                         QStringLiteral("ms"));
    table.AddAtMostTimes(
        QStringLiteral("Peak memory (VmHWM, median)"), Figure(picker, "peak_kib_median") / 1024,
        Figure(empty, "peak_kib_median") / 1024, kPeakMemoryTimes, baseline, QStringLiteral("MiB"));
    table.AddBelow(QStringLiteral("Shut-down, close request to process end, nothing of ours on "
                                  "the clipboard (median)"),
                   Figure(picker, "shutdown_ms_median"), kShutdownMs, false, QStringLiteral("ms"));
    table.AddForComparison(QStringLiteral("Shut-down of the empty Qt Widgets program (median)"),
                           FormatNumber(Figure(empty, "shutdown_ms_median"), QStringLiteral("ms")),
                           QStringLiteral("-"));
    table.AddBelow(QStringLiteral("Idle wake-ups in %1 s, neither timer running (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   Figure(picker, "idle_wakeups_max"), 0, true, QString());
    table.AddBelow(QStringLiteral("Idle CPU in %1 s, in clock ticks (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   Figure(picker, "idle_cpu_ticks_max"), 0, true, QString());
    AddTextFieldRows(table, ProgramNamed(startup, QStringLiteral("text_field")), empty);
}

} // namespace tessavundo::table
