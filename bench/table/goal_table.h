// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tessavundo::table {

enum class Verdict { kPass, kMiss, kNotMeasured, kForComparison };

struct Row {
    QString figure;
    QString measured;
    QString goal;
    QString ratio;
    Verdict verdict = Verdict::kNotMeasured;
};

class GoalTable {
public:
    // A figure that must be at most `limit` times a baseline measured in the same run.
    void AddAtMostTimes(const QString& figure, double measured, double baseline, double limit,
                        const QString& baselineName, const QString& unit);
    // A figure that must be at least `limit` times faster than a baseline.
    void AddAtLeastTimesFaster(const QString& figure, double measured, double baseline,
                               double limit, const QString& baselineName, const QString& unit);
    // A figure with a fixed bound: below it (strictly, or at most with `inclusive`).
    void AddBelow(const QString& figure, double measured, double bound, bool inclusive,
                  const QString& unit);
    // A figure with a fixed lower bound.
    void AddAtLeast(const QString& figure, double measured, double bound, const QString& unit);
    // A figure shown beside the others, with no goal of its own.
    void AddForComparison(const QString& figure, const QString& measured, const QString& ratio);
    void AddNotMeasured(const QString& figure, const QString& goal, const QString& why);

    int Misses() const;
    int NotMeasured() const;
    // As a Markdown table, which also reads well as plain text.
    QString Markdown() const;

private:
    std::vector<Row> rows_;
};

QString FormatNumber(double value, const QString& unit);

} // namespace tessavundo::table
