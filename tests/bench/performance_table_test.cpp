// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The table behind make bench: which figure each benchmark's JSON gives, and the verdicts at
// the goals' edges.
#include "bench/table/goal_table.h"
#include "bench/table/measurements.h"
#include "bench/table/program_rows.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace tessavundo::table {
namespace {

TEST(ReadBenchmarkJson, TakesTheMedianCpuTimeInMicroseconds) {
    const QByteArray json = R"({"context": {}, "benchmarks": [
        {"name": "BM_A_mean", "run_name": "BM_A", "aggregate_name": "mean",
         "cpu_time": 9000, "time_unit": "ns"},
        {"name": "BM_A_median", "run_name": "BM_A", "aggregate_name": "median",
         "cpu_time": 15000, "time_unit": "ns", "label": "avx512"},
        {"name": "BM_A_stddev", "run_name": "BM_A", "aggregate_name": "stddev",
         "cpu_time": 100, "time_unit": "ns"},
        {"name": "BM_B_median", "run_name": "BM_B", "aggregate_name": "median",
         "cpu_time": 2.5, "time_unit": "ms"}]})";
    const auto timings = ReadBenchmarkJson(json);
    ASSERT_TRUE(timings.contains(QStringLiteral("BM_A")));
    EXPECT_DOUBLE_EQ(timings[QStringLiteral("BM_A")].microseconds, 15);
    EXPECT_EQ(timings[QStringLiteral("BM_A")].label, QStringLiteral("avx512"));
    EXPECT_DOUBLE_EQ(timings[QStringLiteral("BM_B")].microseconds, 2500);
}

TEST(ReadBenchmarkJson, TakesASingleRunAndLeavesOutFailedOnes) {
    const QByteArray json = "Run on (2 X 2000 MHz CPU s)\n"
                            R"({"benchmarks": [
        {"name": "BM_One", "run_name": "BM_One", "cpu_time": 40.5, "time_unit": "us"},
        {"name": "BM_Skipped", "run_name": "BM_Skipped", "error_occurred": true,
         "error_message": "this processor lacks the path's instructions"}]})";
    const auto timings = ReadBenchmarkJson(json);
    EXPECT_DOUBLE_EQ(timings.value(QStringLiteral("BM_One")).microseconds, 40.5);
    EXPECT_FALSE(timings.contains(QStringLiteral("BM_Skipped")));
}

TEST(ReadBenchmarkJson, GivesNothingForOutputThatIsNoJson) {
    EXPECT_TRUE(ReadBenchmarkJson("segmentation fault").isEmpty());
    EXPECT_TRUE(ReadBenchmarkJson("{\"benchmarks\": [").isEmpty());
    EXPECT_FALSE(ParseJsonObject("").has_value());
}

TEST(GoalTable, JudgesEachKindOfGoalAtItsEdge) {
    GoalTable met;
    met.AddAtLeastTimesFaster(QStringLiteral("render"), 20, 300, 15, QStringLiteral("ref"),
                              QStringLiteral("us"));
    met.AddAtMostTimes(QStringLiteral("hue change"), 60, 30, 2, QStringLiteral("alone"),
                       QStringLiteral("us"));
    met.AddBelow(QStringLiteral("tick"), 199.9, 200, false, QStringLiteral("us"));
    met.AddBelow(QStringLiteral("wake-ups"), 0, 0, true, QString());
    met.AddAtLeast(QStringLiteral("samples"), 850, 850, QStringLiteral("/s"));
    EXPECT_EQ(met.Misses(), 0);

    GoalTable missed;
    missed.AddAtLeastTimesFaster(QStringLiteral("render"), 21, 300, 15, QStringLiteral("ref"),
                                 QStringLiteral("us"));
    missed.AddAtMostTimes(QStringLiteral("hue change"), 61, 30, 2, QStringLiteral("alone"),
                          QStringLiteral("us"));
    missed.AddBelow(QStringLiteral("tick"), 200, 200, false, QStringLiteral("us"));
    missed.AddBelow(QStringLiteral("wake-ups"), 1, 0, true, QString());
    missed.AddAtLeast(QStringLiteral("samples"), 849, 850, QStringLiteral("/s"));
    EXPECT_EQ(missed.Misses(), 5);
}

TEST(GoalTable, CountsMissingFiguresApartFromMissesAndShowsThem) {
    GoalTable table;
    table.AddNotMeasured(QStringLiteral("keystroke"), QStringLiteral("< 200 us"),
                         QStringLiteral("no BM_RgbFieldKeystroke"));
    table.AddForComparison(QStringLiteral("portable path"), QStringLiteral("57 us"),
                           QStringLiteral("5.8x faster"));
    EXPECT_EQ(table.Misses(), 0);
    EXPECT_EQ(table.NotMeasured(), 1);
    const QString markdown = table.Markdown();
    EXPECT_TRUE(markdown.contains(
        QStringLiteral("| keystroke | not measured (no BM_RgbFieldKeystroke) | < 200 us | - | "
                       "not measured |")));
    EXPECT_TRUE(markdown.contains(QStringLiteral("| portable path | 57 us |")));
}

// startup_bench's output: the picker with the given figures, and the three programs it is
// measured against, each with start-up 20 ms, CPU 10 ms and 20,000 KiB (the color dialog
// taking twice as long).
QJsonObject Program(const char* name, double startupMs, double cpuMs, double peakKib) {
    return QJsonObject{{QStringLiteral("name"), QLatin1String(name)},
                       {QStringLiteral("startup_ms_median"), startupMs},
                       {QStringLiteral("startup_cpu_ms_median"), cpuMs},
                       {QStringLiteral("peak_kib_median"), peakKib},
                       {QStringLiteral("shutdown_ms_median"), 5},
                       {QStringLiteral("idle_wakeups_max"), 0},
                       {QStringLiteral("idle_cpu_ticks_max"), 0}};
}

std::optional<QJsonObject> StartupReport(double startupMs, double cpuMs, double peakKib,
                                         double shutdownMs) {
    QJsonObject picker = Program("tessavundo", startupMs, cpuMs, peakKib);
    picker.insert(QStringLiteral("shutdown_ms_median"), shutdownMs);
    return QJsonObject{
        {QStringLiteral("runs"), 15},
        {QStringLiteral("programs"),
         QJsonArray{picker, Program("text_field", 20, 10, 20000),
                    Program("color_dialog", 40, 20, 30000), Program("empty", 10, 5, 15000)}}};
}

std::optional<QJsonObject> WithoutProgram(std::optional<QJsonObject> report, const char* name) {
    QJsonArray programs;
    for (const QJsonValue program : (*report)[QLatin1String("programs")].toArray())
        if (program[QLatin1String("name")].toString() != QLatin1String(name))
            programs.append(program);
    report->insert(QStringLiteral("programs"), programs);
    return report;
}

TEST(StartupRows, JudgeAgainstTheTextFieldWindowAndTheColorDialogAtTheirEdges) {
    GoalTable met;
    AddStartupRows(met, StartupReport(20, 11, 22000, 19.9));
    EXPECT_EQ(met.Misses(), 0);
    EXPECT_EQ(met.NotMeasured(), 0);
    const QString markdown = met.Markdown();
    EXPECT_TRUE(markdown.contains(QStringLiteral("| 1.00x | PASS |"))) << markdown.toStdString();
    EXPECT_TRUE(markdown.contains(QStringLiteral("| 1.10x | PASS |")));
    EXPECT_TRUE(markdown.contains(QStringLiteral("| 0.50x | PASS |")));

    // Each figure just past its goal against the text field window (the color dialog's time
    // goal is still met), and shut-down.
    GoalTable missed;
    AddStartupRows(missed, StartupReport(20.1, 11.1, 22001, 20));
    EXPECT_EQ(missed.Misses(), 4);

    // Start-up within the text field window's goal can still miss the color dialog's.
    GoalTable slowDialog;
    auto report = StartupReport(20, 10, 20000, 10);
    QJsonArray programs = (*report)[QLatin1String("programs")].toArray();
    programs[2] = Program("color_dialog", 28, 20, 30000);
    report->insert(QStringLiteral("programs"), programs);
    AddStartupRows(slowDialog, report);
    EXPECT_EQ(slowDialog.Misses(), 1);
}

TEST(StartupRows, ShowTheColorDialogsOtherFiguresAndTheEmptyWindowWithoutJudgingThem) {
    GoalTable table;
    AddStartupRows(table, StartupReport(30, 15, 30000, 10));
    const QString markdown = table.Markdown();
    EXPECT_TRUE(markdown.contains(
        QStringLiteral("| CPU time to first mapped window, all threads (median), against Qt's "
                       "color dialog | 15.0 ms | (for comparison) | 0.75x Qt's color dialog "
                       "(20.0 ms) |")))
        << markdown.toStdString();
    EXPECT_TRUE(markdown.contains(
        QStringLiteral("against the empty Qt Widgets window | 30.0 ms | (for comparison) | "
                       "3.00x the empty Qt Widgets window (10.0 ms) |")));
    EXPECT_TRUE(markdown.contains(QStringLiteral("| 29.3 MiB | (for comparison) | 2.00x")));
}

TEST(StartupRows, AreNotMeasuredWhenThePickerOrAProgramOfAGoalFailed) {
    GoalTable noReport;
    AddStartupRows(noReport, std::nullopt);
    EXPECT_EQ(noReport.Misses(), 0);
    EXPECT_EQ(noReport.NotMeasured(), 6);

    GoalTable failed;
    AddStartupRows(failed, ParseJsonObject(R"({"programs": [
        {"name": "tessavundo", "error": "no window mapped within 20 s"},
        {"name": "text_field", "startup_ms_median": 20}]})"));
    EXPECT_EQ(failed.NotMeasured(), 6);

    GoalTable noTextField;
    AddStartupRows(noTextField, WithoutProgram(StartupReport(20, 10, 20000, 10), "text_field"));
    EXPECT_EQ(noTextField.NotMeasured(), 6);

    // Without the color dialog only its row goes unmeasured; without the empty window only
    // its reference rows go.
    GoalTable noDialog;
    AddStartupRows(noDialog, WithoutProgram(StartupReport(20, 10, 20000, 10), "color_dialog"));
    EXPECT_EQ(noDialog.NotMeasured(), 1);
    EXPECT_EQ(noDialog.Misses(), 0);
    GoalTable noEmpty;
    AddStartupRows(noEmpty, WithoutProgram(StartupReport(20, 10, 20000, 10), "empty"));
    EXPECT_EQ(noEmpty.NotMeasured(), 0);
    EXPECT_FALSE(noEmpty.Markdown().contains(QStringLiteral("empty Qt Widgets window")));
}

TEST(EyedropperRows, JudgeBothSharesOfACore) {
    const auto sampling = [](double cpuMs, const char* serverShare) {
        QString json =
            QStringLiteral(R"({"samples": 900, "cpu_time": %1, "real_time": 1000)").arg(cpuMs);
        if (serverShare)
            json +=
                QStringLiteral(R"(, "x_server_cpu_percent": %1)").arg(QLatin1String(serverShare));
        return ParseJsonObject((json + QLatin1Char('}')).toUtf8());
    };
    GoalTable met;
    AddEyedropperRows(met, sampling(60, "6"));
    EXPECT_EQ(met.Misses(), 0);
    EXPECT_EQ(met.NotMeasured(), 0);

    GoalTable missed;
    AddEyedropperRows(missed, sampling(61, "6.1"));
    EXPECT_EQ(missed.Misses(), 2);

    // An X server whose process could not be read leaves its row unmeasured, not met.
    GoalTable unread;
    AddEyedropperRows(unread, sampling(30, nullptr));
    EXPECT_EQ(unread.Misses(), 0);
    EXPECT_EQ(unread.NotMeasured(), 1);
}

} // namespace
} // namespace tessavundo::table
