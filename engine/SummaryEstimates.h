#pragma once

#include "engine/RecalculationResult.h"
#include "model/Profile.h"

#include <vector>

// The summary estimates: how much comes in, goes out and remains per period,
// independent of today's date. "Current" adds one occurrence of every entry;
// the weekly, monthly and annual figures scale each amount by a fixed factor
// per frequency. Where the figures are shown is the pass's business; this
// file only computes them and turns them into tree items, rows and fields.
namespace cashvane {

struct SummaryTotals {
    float currentIncome = 0.0f;
    float currentExpenses = 0.0f;
    float weeklyIncome = 0.0f;
    float weeklyExpenses = 0.0f;
    float monthlyIncome = 0.0f;
    float monthlyExpenses = 0.0f;
    float annualIncome = 0.0f;
    float annualExpenses = 0.0f;
    float currentBalance = 0.0f;
    float weeklyBalance = 0.0f;
    float monthlyBalance = 0.0f;
    float annualBalance = 0.0f;
};

// The weeks from the start date to the end date, both at midnight, not
// rounded (ten days give 1.4285715). A date that does not exist counts as
// the time -1.
float weeksBetween(
    int startDay, int startMonth, int startYear, int endDay, int endMonth, int endYear);

// 52 for an entry without end date, else the weeks from its start to its end.
float durationWeeks(const RecurringEntry& entry);

SummaryTotals summaryTotals(const Profile& profile);

// The branch "Summary Estimates", with every balance coloured by its sign.
std::vector<TreeItem> summaryTreeItems(const SummaryTotals& totals);

// The expense totals list: the expenses per period, daily and fortnightly
// worked out from the weekly figure.
std::vector<ListRow> expenseTotalsRows(const SummaryTotals& totals);

// The twelve figures at their places in the quick report, in report order.
std::vector<ReportField> summaryReportFields(const SummaryTotals& totals);

} // namespace cashvane
