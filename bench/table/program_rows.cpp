// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/table/program_rows.h"

#include <QJsonArray>
#include <QList>
#include <array>

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

bool Measured(const QJsonObject& program) {
    return !program.isEmpty() && !program.contains(QLatin1String("error"));
}

// The three start-up figures of the picker, each with the key of startup_bench's output.
struct StartupFigure {
    const char* key;
    QString name;
    QString unit;
    double scale;
};

QList<StartupFigure> StartupFigures() {
    return {
        {"startup_ms_median",
         QStringLiteral("Start-up to first mapped window (median of %1)").arg(kStartupRuns),
         QStringLiteral("ms"), 1},
        {"startup_cpu_ms_median",
         QStringLiteral("CPU time to first mapped window, all threads (median)"),
         QStringLiteral("ms"), 1},
        {"peak_kib_median", QStringLiteral("Peak memory (VmHWM, median)"), QStringLiteral("MiB"),
         1.0 / 1024},
    };
}

// The picker's figure against another program's, as a goal where there is one and for
// comparison where there is none.
void AddAgainst(GoalTable& table, const QJsonObject& picker, const QJsonObject& other,
                const QString& otherName, const std::array<double, 3>& limits) {
    const QList<StartupFigure> figures = StartupFigures();
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const StartupFigure& figure = figures[i];
        const QString name = QStringLiteral("%1, against %2").arg(figure.name, otherName);
        const double measured = Figure(picker, figure.key) * figure.scale;
        const double baseline = Figure(other, figure.key) * figure.scale;
        const double limit = limits[static_cast<std::size_t>(i)];
        if (limit > 0) {
            table.AddAtMostTimes(name, measured, baseline, limit, otherName, figure.unit);
        } else {
            table.AddForComparison(name, FormatNumber(measured, figure.unit),
                                   QStringLiteral("%1x %2 (%3)")
                                       .arg(measured / baseline, 0, 'f', 2)
                                       .arg(otherName, FormatNumber(baseline, figure.unit)));
        }
    }
}

void AddNotMeasuredAgainst(GoalTable& table, const QString& otherName,
                           const std::array<double, 3>& limits, const QString& why) {
    const QList<StartupFigure> figures = StartupFigures();
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const double limit = limits[static_cast<std::size_t>(i)];
        if (limit > 0)
            table.AddNotMeasured(QStringLiteral("%1, against %2").arg(figures[i].name, otherName),
                                 QStringLiteral("<= %1x %2").arg(limit).arg(otherName), why);
    }
}

} // namespace

void AddStartupRows(GoalTable& table, const std::optional<QJsonObject>& startup) {
    const QJsonObject picker = ProgramNamed(startup, QStringLiteral("tessavundo"));
    const QJsonObject textField = ProgramNamed(startup, QStringLiteral("text_field"));
    const QJsonObject colorDialog = ProgramNamed(startup, QStringLiteral("color_dialog"));
    const QJsonObject empty = ProgramNamed(startup, QStringLiteral("empty"));
    const QString textFieldName = QStringLiteral("the empty window with one text field");
    const QString colorDialogName = QStringLiteral("Qt's color dialog");
    if (!Measured(picker) || !Measured(textField)) {
        const QString why = QStringLiteral("startup_bench gave no result");
        AddNotMeasuredAgainst(table, textFieldName, kAgainstTextField, why);
        AddNotMeasuredAgainst(table, colorDialogName, kAgainstColorDialog, why);
        table.AddNotMeasured(QStringLiteral("Shut-down"),
                             QStringLiteral("< %1 ms").arg(kShutdownMs), why);
        table.AddNotMeasured(QStringLiteral("Idle wake-ups"), QStringLiteral("0"), why);
        return;
    }
    AddAgainst(table, picker, textField, textFieldName, kAgainstTextField);
    if (Measured(colorDialog)) {
        AddAgainst(table, picker, colorDialog, colorDialogName, kAgainstColorDialog);
    } else {
        AddNotMeasuredAgainst(table, colorDialogName, kAgainstColorDialog,
                              QStringLiteral("the color dialog did not start"));
    }
    // The empty window lays out no text before it is mapped, so it is a reference, not a goal.
    if (Measured(empty))
        AddAgainst(table, picker, empty, QStringLiteral("the empty Qt Widgets window"), {});
    table.AddBelow(QStringLiteral("Shut-down, close request to process end, nothing of ours on "
                                  "the clipboard (median)"),
                   Figure(picker, "shutdown_ms_median"), kShutdownMs, false, QStringLiteral("ms"));
    table.AddBelow(QStringLiteral("Idle wake-ups in %1 s, neither timer running (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   Figure(picker, "idle_wakeups_max"), 0, true, QString());
    table.AddBelow(QStringLiteral("Idle CPU in %1 s, in clock ticks (most of %2 runs)")
                       .arg(kIdleSeconds)
                       .arg(kIdleRuns),
                   Figure(picker, "idle_cpu_ticks_max"), 0, true, QString());
}

} // namespace tessavundo::table
