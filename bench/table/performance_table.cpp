// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Runs every benchmark of the picker and prints one table: each figure, its goal, the ratio and
// PASS or MISS; the same table, with the date and the machine, goes to the given Markdown file.
//
//   performance_table --build-dir DIR --source-dir DIR --output FILE
#include "bench/table/goal_table.h"
#include "bench/table/machine.h"
#include "bench/table/measurements.h"
#include "bench/table/program_rows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTextStream>
#include <cstdio>

using namespace tessavundo::table;

namespace {

struct Paths {
    QString build;
    QString source;
    QString output;
};

constexpr int kRepetitions = 5;

void Say(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Runs a program to its end and returns its standard output; says so when it fails.
QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(15 * 60 * 1000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        Say(QStringLiteral("%1 failed: %2")
                .arg(program, QString::fromLocal8Bit(process.readAllStandardError().right(2000))));
    }
    return process.readAllStandardOutput();
}

// Runs a command on an X server of its own and with a session bus of its own, as a desktop
// session has. The figures then depend neither on the bus of whoever runs the table (or a
// screen reader listening on it) nor, where there is none, on D-Bus looking for one through
// the X server, which adds a second display connection to the start of every window.
QByteArray RunOnPrivateDesktop(const Paths& paths, const QStringList& command) {
    return Run(QDir(paths.source).filePath(QStringLiteral("tests/e2e/with-xvfb")),
               QStringList{QStringLiteral("dbus-run-session"), QStringLiteral("--")} + command);
}

QMap<QString, Timing> RunBenchmarks(const Paths& paths, const QString& program) {
    Say(QStringLiteral("running %1 ...").arg(program));
    return ReadBenchmarkJson(Run(QDir(paths.build).filePath(program),
                                 {QStringLiteral("--benchmark_format=json"),
                                  QStringLiteral("--benchmark_repetitions=%1").arg(kRepetitions),
                                  QStringLiteral("--benchmark_report_aggregates_only=true"),
                                  QStringLiteral("--benchmark_min_time=0.2")}));
}

std::optional<QJsonObject> RunStartupBench(const Paths& paths) {
    Say(QStringLiteral("running startup_bench under Xvfb (about a minute) ..."));
    const QDir build(paths.build);
    return ParseJsonObject(RunOnPrivateDesktop(
        paths,
        {build.filePath(QStringLiteral("startup_bench")), QStringLiteral("--runs"),
         QString::number(kStartupRuns), QStringLiteral("--idle-runs"), QString::number(kIdleRuns),
         QStringLiteral("--idle-seconds"), QString::number(kIdleSeconds),
         QStringLiteral("tessavundo=") + build.filePath(QStringLiteral("tessavundo")),
         QStringLiteral("empty=") + build.filePath(QStringLiteral("empty_widgets_window")),
         QStringLiteral("text_field=") + build.filePath(QStringLiteral("text_field_window")),
         QStringLiteral("color_dialog=") + build.filePath(QStringLiteral("color_dialog_window"))}));
}

void AddRenderRows(GoalTable& table, const QMap<QString, Timing>& core) {
    const QString reference = QStringLiteral("BM_RenderShadeField/reference");
    const QString fastest = QStringLiteral("BM_RenderShadeField/fastest");
    const QString heldReference = QStringLiteral("BM_RenderShadeField/held_reference");
    const QString heldFastest = QStringLiteral("BM_RenderShadeField/held_fastest");
    const QString goal = QStringLiteral(">= 15x faster than the straightforward render");
    if (!core.contains(reference) || !core.contains(fastest)) {
        table.AddNotMeasured(QStringLiteral("Shade field render"), goal,
                             QStringLiteral("tessavundo_bench gave no result"));
        return;
    }
    const QString path = core[fastest].label;
    table.AddAtLeastTimesFaster(
        QStringLiteral("Shade field render, sweep of hues (%1 path)").arg(path),
        core[fastest].microseconds, core[reference].microseconds, 15,
        QStringLiteral("straightforward"), QStringLiteral("us"));
    if (core.contains(heldReference) && core.contains(heldFastest)) {
        table.AddAtLeastTimesFaster(
            QStringLiteral("Shade field render, hues with held mid shades (%1 path)").arg(path),
            core[heldFastest].microseconds, core[heldReference].microseconds, 15,
            QStringLiteral("straightforward"), QStringLiteral("us"));
    }
    for (const char* other : {"avx512", "avx2_fma", "portable"}) {
        const QString name = QStringLiteral("BM_RenderShadeFieldPath/") + QLatin1String(other);
        const QString figure =
            QStringLiteral("Shade field render, %1 path").arg(QLatin1String(other));
        if (!core.contains(name)) {
            table.AddForComparison(figure, QStringLiteral("not supported here"),
                                   QStringLiteral("-"));
            continue;
        }
        table.AddForComparison(
            figure, FormatNumber(core[name].microseconds, QStringLiteral("us")),
            QString::number(core[reference].microseconds / core[name].microseconds, 'f', 1) +
                QStringLiteral("x faster"));
    }
}

void AddWindowRows(GoalTable& table, const QMap<QString, Timing>& window) {
    const QString shown = QStringLiteral("BM_HueChangeShown");
    const QString alone = QStringLiteral("BM_RenderAndRepaintAlone");
    const QString figure = QStringLiteral("One hue change shown: render, write back, repaint");
    if (window.contains(shown) && window.contains(alone)) {
        table.AddAtMostTimes(figure, window[shown].microseconds, window[alone].microseconds, 2,
                             QStringLiteral("render + repaint of a bare 256x256 image"),
                             QStringLiteral("us"));
    } else {
        table.AddNotMeasured(figure, QStringLiteral("<= 2x render + repaint alone"),
                             QStringLiteral("window_bench gave no result"));
    }

    const struct {
        const char* benchmark;
        const char* figure;
    } ticks[] = {
        {"BM_RgbFieldKeystroke", "One keystroke in the rgb field, end to end"},
        {"BM_Timer2Tick", "One Timer2 tick (rainbow bar drag)"},
        {"BM_SamplingTickNewColor", "One eyedropper tick, a new color each tick"},
    };
    for (const auto& tick : ticks) {
        const QString name = QLatin1String(tick.benchmark);
        if (window.contains(name)) {
            table.AddBelow(QLatin1String(tick.figure), window[name].microseconds, 200, false,
                           QStringLiteral("us"));
        } else {
            table.AddNotMeasured(QLatin1String(tick.figure), QStringLiteral("< 200 us"),
                                 QStringLiteral("no %1 in window_bench").arg(name));
        }
    }
}

// The eyedropper sampling the real screen under Xvfb with the pointer at rest over one color:
// samples per second, and the share of one core the picker's thread used meanwhile.
std::optional<QJsonObject> RunSampleRate(const Paths& paths) {
    Say(QStringLiteral("running the eyedropper under Xvfb ..."));
    const QByteArray json =
        RunOnPrivateDesktop(paths, {QStringLiteral("env"), QStringLiteral("QT_QPA_PLATFORM=xcb"),
                                    QDir(paths.build).filePath(QStringLiteral("window_bench")),
                                    QStringLiteral("--benchmark_filter=BM_SampleRateResting"),
                                    QStringLiteral("--benchmark_format=json")});
    const auto report = ParseJsonObject(json);
    if (!report)
        return std::nullopt;
    const QJsonArray runs = (*report)[QLatin1String("benchmarks")].toArray();
    if (runs.isEmpty() || runs[0].toObject().contains(QLatin1String("error_message")))
        return std::nullopt;
    return runs[0].toObject();
}

// The one-shot pick under Xvfb against the empty program, both started alternately.
std::optional<QJsonObject> RunPickBench(const Paths& paths) {
    Say(QStringLiteral("running pick_bench under Xvfb ..."));
    const QDir build(paths.build);
    return ParseJsonObject(RunOnPrivateDesktop(
        paths, {build.filePath(QStringLiteral("pick_bench")), QStringLiteral("--runs"),
                QString::number(kStartupRuns), build.filePath(QStringLiteral("tessavundo")),
                build.filePath(QStringLiteral("empty_widgets_window"))}));
}

void AddPickRows(GoalTable& table, const std::optional<QJsonObject>& pick) {
    const QString grab =
        QStringLiteral("--pick: command to the crosshair (pointer grab), median of %1")
            .arg(kStartupRuns);
    const QString click =
        QStringLiteral("--pick: click to the printed line, median of %1").arg(kStartupRuns);
    if (!pick || pick->contains(QLatin1String("error"))) {
        const QString why = pick ? (*pick)[QLatin1String("error")].toString()
                                 : QStringLiteral("pick_bench gave no result");
        table.AddNotMeasured(grab, QStringLiteral("<= 1.2x empty Qt Widgets program"), why);
        table.AddNotMeasured(click, QStringLiteral("< 5 ms"), why);
        return;
    }
    const auto value = [&pick](const char* key) {
        return (*pick)[QLatin1String(key)].toDouble();
    };
    table.AddAtMostTimes(grab, value("pick_grab_ms_median"), value("empty_map_ms_median"), 1.2,
                         QStringLiteral("empty Qt Widgets program mapping its window"),
                         QStringLiteral("ms"));
    table.AddBelow(click, value("click_to_line_ms_median"), 5, false, QStringLiteral("ms"));
}

QString Document(const GoalTable& table, const QString& machine) {
    return QStringLiteral(
               "# Performance\n\n"
               "Measured by `make bench` on %1 on %2.\n"
               "This file is written by `make bench`; run it again to measure anew.\n\n"
               "%3\n"
               "## How the figures are taken\n\n"
               "- Times are CPU time per operation, the median of %4 repetitions of Google "
               "Benchmark (`tessavundo_bench`, and `window_bench` for the window's routines on "
               "the offscreen platform). Every ratio compares figures of the same run.\n"
               "- The shade field renders sweep the whole bar in steps of 7.25; the held mid "
               "shades are those of positions just below a segment start and below 0. The "
               "straightforward render is `RenderShadeFieldReference`, which every path must "
               "match byte for byte (`shade_field_paths_test`).\n"
               "- A hue change shown is `Command2_Click` plus a repaint of the field; it is "
               "compared with rendering into a bare 256 x 256 image widget and repainting "
               "that.\n"
               "- Start-up is the time from creating the process to the X server mapping its "
               "first window (`startup_bench` under Xvfb with a session bus of its own, as a "
               "desktop session has, and no window manager; the picker, `text_field_window`, "
               "`color_dialog_window` and `empty_widgets_window` started in turn, %5 times each "
               "after one uncounted "
               "start, each with fresh settings and runtime folders). Those starts are killed "
               "the moment the window is seen mapped, and their CPU time is that of every "
               "thread, ended ones included, as the reaped process reports it. A second start "
               "of each round runs on: its peak memory is VmHWM one second after mapping; idle "
               "wake-ups are the context switches of all threads, and idle CPU the clock "
               "ticks, over %6 s that begin one second after the window was given the input "
               "focus, which start-up leaves on the shade field; then the watcher asks the "
               "window to close (WM_DELETE_WINDOW, as a window manager's close button does) "
               "and shut-down lasts until the process has ended. Shut-down writes the nine "
               "settings, so its figure depends on how the settings store writes them.\n"
               "- The eyedropper's sample rate and CPU share are `BM_SampleRateResting` of "
               "`window_bench` on the X11 platform under Xvfb: the picker samples the real "
               "screen for three seconds with the pointer at rest, and the CPU share is its "
               "thread's CPU time over the time that passed. The X server's share is the CPU "
               "time of its process (found through the connection's peer) over the same "
               "time.\n"
               "- The one-shot pick is `pick_bench` under Xvfb: `tessavundo --pick` and "
               "`empty_widgets_window` started alternately, %5 times each after one uncounted "
               "run. The crosshair counts from creating the process to the X server's notice "
               "that the pointer was grabbed (a leave notification of grab mode on an "
               "invisible window of the bench's under the pointer); the click, from the moment "
               "before an XTEST button press is sent to the moment the picker's line arrives "
               "on its output pipe.\n"
               "- The empty program lays out no text and names nothing for assistive "
               "technology before its window is mapped. The picker writes its captions and "
               "fields before its window shows, and the first of them makes the toolkit read "
               "the font configuration, lay text out and connect its accessibility bridge to "
               "the session bus: that is most of the difference in start-up time, in its CPU "
               "time and in peak memory. So the goals are set against the least window that "
               "shows text, `text_field_window` (the empty window with one text field where the "
               "picker has its rgb field), and against the peer a user would otherwise start, "
               "Qt's own color dialog (`color_dialog_window`); the empty window stays as a "
               "reference.\n")
        .arg(QDate::currentDate().toString(Qt::ISODate), machine, table.Markdown())
        .arg(kRepetitions)
        .arg(kStartupRuns)
        .arg(kIdleSeconds);
}

std::optional<Paths> ParseArguments(const QStringList& arguments) {
    Paths paths;
    for (int i = 1; i + 1 < arguments.size(); i += 2)
        if (arguments[i] == QLatin1String("--build-dir"))
            paths.build = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--source-dir"))
            paths.source = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--output"))
            paths.output = arguments[i + 1];
        else
            return std::nullopt;
    if (paths.build.isEmpty() || paths.source.isEmpty() || paths.output.isEmpty())
        return std::nullopt;
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const auto paths = ParseArguments(QCoreApplication::arguments());
    if (!paths) {
        Say(QStringLiteral(
            "usage: performance_table --build-dir DIR --source-dir DIR --output FILE"));
        return 2;
    }

    GoalTable table;
    AddRenderRows(table, RunBenchmarks(*paths, QStringLiteral("tessavundo_bench")));
    AddWindowRows(table, RunBenchmarks(*paths, QStringLiteral("window_bench")));
    AddEyedropperRows(table, RunSampleRate(*paths));
    AddStartupRows(table, RunStartupBench(*paths));
    AddPickRows(table, RunPickBench(*paths));

    const QString machine = DescribeMachine();
    QTextStream out(stdout);
    out << "\n" << machine << "\n\n" << table.Markdown() << "\n";
    out << (table.Misses() == 0 ? QStringLiteral("Every measured goal met")
                                : QStringLiteral("%1 goal(s) missed").arg(table.Misses()))
        << (table.NotMeasured() > 0
                ? QStringLiteral("; %1 figure(s) not measured.").arg(table.NotMeasured())
                : QStringLiteral("."))
        << "\n";

    QFile document(paths->output);
    if (!document.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        Say(QStringLiteral("cannot write %1").arg(paths->output));
        return 1;
    }
    document.write(Document(table, machine).toUtf8());
    out << "Written to " << paths->output << "\n";
    return table.Misses() == 0 ? 0 : 1;
}
