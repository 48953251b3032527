// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/table/goal_table.h"

#include <algorithm>

namespace tessavundo::table {
namespace {

QString Times(double ratio) {
    return QString::number(ratio, 'f', ratio < 10 ? 2 : 1) + QStringLiteral("x");
}

QString VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::kPass:
        return QStringLiteral("PASS");
    case Verdict::kMiss:
        return QStringLiteral("MISS");
    case Verdict::kForComparison:
        return QStringLiteral("-");
    default:
        return QStringLiteral("not measured");
    }
}

Verdict Judge(bool met) {
    return met ? Verdict::kPass : Verdict::kMiss;
}

} // namespace

QString FormatNumber(double value, const QString& unit) {
    const int decimals = value == 0 || value >= 100 ? 0 : value >= 10 ? 1 : 2;
    const QString number = QString::number(value, 'f', decimals);
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

void GoalTable::AddAtMostTimes(const QString& figure, double measured, double baseline,
                               double limit, const QString& baselineName, const QString& unit) {
    const double ratio = measured / baseline;
    rows_.push_back({figure, FormatNumber(measured, unit),
                     QStringLiteral("<= %1 %2 (%3)")
                         .arg(Times(limit), baselineName, FormatNumber(baseline, unit)),
                     Times(ratio), Judge(ratio <= limit)});
}

void GoalTable::AddAtLeastTimesFaster(const QString& figure, double measured, double baseline,
                                      double limit, const QString& baselineName,
                                      const QString& unit) {
    const double ratio = baseline / measured;
    rows_.push_back({figure, FormatNumber(measured, unit),
                     QStringLiteral(">= %1 faster than %2 (%3)")
                         .arg(Times(limit), baselineName, FormatNumber(baseline, unit)),
                     Times(ratio), Judge(ratio >= limit)});
}

void GoalTable::AddBelow(const QString& figure, double measured, double bound, bool inclusive,
                         const QString& unit) {
    const bool met = inclusive ? measured <= bound : measured < bound;
    const QString ratio = bound > 0 ? Times(measured / bound) : QStringLiteral("-");
    rows_.push_back(
        {figure, FormatNumber(measured, unit),
         (inclusive ? QStringLiteral("<= ") : QStringLiteral("< ")) + FormatNumber(bound, unit),
         ratio, Judge(met)});
}

void GoalTable::AddAtLeast(const QString& figure, double measured, double bound,
                           const QString& unit) {
    rows_.push_back({figure, FormatNumber(measured, unit),
                     QStringLiteral(">= ") + FormatNumber(bound, unit), Times(measured / bound),
                     Judge(measured >= bound)});
}

void GoalTable::AddForComparison(const QString& figure, const QString& measured,
                                 const QString& ratio) {
    rows_.push_back(
        {figure, measured, QStringLiteral("(for comparison)"), ratio, Verdict::kForComparison});
}

void GoalTable::AddNotMeasured(const QString& figure, const QString& goal, const QString& why) {
    rows_.push_back({figure, QStringLiteral("not measured (%1)").arg(why), goal,
                     QStringLiteral("-"), Verdict::kNotMeasured});
}

int GoalTable::Misses() const {
    return int(std::count_if(
        rows_.begin(), rows_.end(), [](const Row& row) { return row.verdict == Verdict::kMiss; }));
}

int GoalTable::NotMeasured() const {
    return int(std::count_if(
        rows_.begin(), rows_.end(),
        [](const Row& row) { return row.verdict == Verdict::kNotMeasured; }));
}

QString GoalTable::Markdown() const {
    QString text = QStringLiteral("| figure | measured | goal | ratio | result |\n"
                                  "|---|---|---|---|---|\n");
    for (const Row& row : rows_) {
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                    .arg(row.figure, row.measured, row.goal, row.ratio, VerdictText(row.verdict));
    }
    return text;
}

} // namespace tessavundo::table
