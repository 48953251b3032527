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

// startup_bench's output for the picker and the empty program, each figure given.
std::optional<QJsonObject> StartupReport(double startupMs, double cpuMs, double peakKib,
                                         double shutdownMs) {
    return ParseJsonObject(QStringLiteral(R"({"runs": 15, "programs": [
        {"name": "tessavundo", "startup_ms_median": %1, "startup_cpu_ms_median": %2,
         "peak_kib_median": %3, "shutdown_ms_median": %4, "idle_wakeups_max": 0,
         "idle_cpu_ticks_max": 0},
        {"name": "empty", "startup_ms_median": 20, "startup_cpu_ms_median": 10,
         "peak_kib_median": 20000, "shutdown_ms_median": 5, "idle_wakeups_max": 0,
         "idle_cpu_ticks_max": 0}]})")
                               .arg(startupMs)
                               .arg(cpuMs)
                               .arg(peakKib)
                               .arg(shutdownMs)
                               .toUtf8());
}

TEST(StartupRows, JudgeTimeCpuMemoryAndShutdownAtTheirEdges) {
    GoalTable met;
    AddStartupRows(met, StartupReport(24, 12, 23000, 19.9));
    EXPECT_EQ(met.Misses(), 0);
    EXPECT_EQ(met.NotMeasured(), 0);
    EXPECT_TRUE(met.Markdown().contains(QStringLiteral("| 1.20x | PASS |")));

    // Each figure just past its goal: time, CPU time, peak memory, shut-down.
    GoalTable missed;
    AddStartupRows(missed, StartupReport(24.1, 12.1, 23001, 20));
    EXPECT_EQ(missed.Misses(), 4);
}

TEST(StartupRows, AreNotMeasuredWhenEitherProgramFailed) {
    GoalTable noReport;
    AddStartupRows(noReport, std::nullopt);
    EXPECT_EQ(noReport.Misses(), 0);
    EXPECT_EQ(noReport.NotMeasured(), 5);

    GoalTable failed;
    AddStartupRows(failed, ParseJsonObject(R"({"programs": [
        {"name": "tessavundo", "error": "no window mapped within 20 s"},
        {"name": "empty", "startup_ms_median": 20}]})"));
    EXPECT_EQ(failed.NotMeasured(), 5);
}

TEST(StartupRows, CompareTheOneTextFieldProgramWithTheEmptyOneWithoutJudgingIt) {
    auto report = StartupReport(24, 12, 23000, 10);
    QJsonArray programs = (*report)[QLatin1String("programs")].toArray();
    programs.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("text_field")},
                                {QStringLiteral("startup_ms_median"), 30},
                                {QStringLiteral("startup_cpu_ms_median"), 15},
                                {QStringLiteral("peak_kib_median"), 23040}});
    report->insert(QStringLiteral("programs"), programs);
    GoalTable table;
    AddStartupRows(table, report);
    EXPECT_EQ(table.Misses(), 0);
    const QString markdown = table.Markdown();
    EXPECT_TRUE(markdown.contains(
        QStringLiteral("| Start-up to first mapped window, the empty program with one text "
                       "field | 30.0 ms | (for comparison) | 1.50x the empty program |")))
        << markdown.toStdString();
    EXPECT_TRUE(markdown.contains(QStringLiteral("one text field | 15.0 ms | (for comparison) "
                                                 "| 1.50x the empty program |")));
    EXPECT_TRUE(markdown.contains(QStringLiteral("| 22.5 MiB | (for comparison) | 1.15x the "
                                                 "empty program |")));

    // A comparison program that failed to start adds no row.
    programs[programs.size() - 1] =
        QJsonObject{{QStringLiteral("name"), QStringLiteral("text_field")},
                    {QStringLiteral("error"), QStringLiteral("no window")}};
    report->insert(QStringLiteral("programs"), programs);
    GoalTable withoutIt;
    AddStartupRows(withoutIt, report);
    EXPECT_FALSE(withoutIt.Markdown().contains(QStringLiteral("one text field")));
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
