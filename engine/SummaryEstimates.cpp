#include "SummaryEstimates.h"

#include "engine/Colours.h"
#include "engine/ReportLayout.h"
#include "model/Calendar.h"
#include "model/Money.h"

#include <optional>

namespace cashvane {

namespace {

// How one entry's amount scales to each period. Entries of the codes that
// recur within a year only count when they run for more than 51 weeks; a
// one-off payment (and any unknown code) adds nothing to the weekly and
// monthly figures, which is not the same as adding 0 times its amount: an
// infinite amount times 0 would make those figures NaN.
struct PeriodFactors {
    bool onlyWhenLong;
    std::optional<float> weekly;
    std::optional<float> monthly;
    float annual;
};

// A month is taken as 4 weeks or 30 days, and a yearly amount counts 0.0192
// of itself per week and 0.08333 per month; these are the program's factors,
// not 1/52 and 1/12.
PeriodFactors factorsOf(FrequencyCode frequency)
{
    switch (frequency) {
    case FrequencyCode::Daily:
        return { true, 7.0f, 30.0f, 365.0f };
    case FrequencyCode::Weekly:
        return { true, 1.0f, 4.0f, 52.0f };
    case FrequencyCode::Fortnightly:
        return { true, 0.5f, 2.0f, 26.0f };
    case FrequencyCode::Monthly:
        return { true, 0.25f, 1.0f, 12.0f };
    case FrequencyCode::Yearly:
        return { false, 0.0192f, 0.08333f, 1.0f };
    case FrequencyCode::OneOff:
        break;
    }
    return { false, std::nullopt, std::nullopt, 1.0f };
}

// Adds amount × factor to a figure. The product and the sum are worked out in
// double precision and only the sum is rounded to single precision. Worked
// example: the float nearest 0.08333 is 0.0833299979567527..., so a yearly
// 1200 adds 99.99599754810333 to the monthly figure, stored as the float
// 99.996 and shown as 100.00.
float addScaled(float figure, float amount, float factor)
{
    return static_cast<float>(
        static_cast<double>(figure) + static_cast<double>(amount) * static_cast<double>(factor));
}

struct Side {
    float& current;
    float& weekly;
    float& monthly;
    float& annual;
};

void addEntry(Side side, const RecurringEntry& entry)
{
    const float amount = entry.amount;
    side.current = addAmounts(side.current, amount);
    const PeriodFactors factors = factorsOf(entry.frequency);
    if (factors.onlyWhenLong && !(durationWeeks(entry) > 51.0f))
        return;
    if (factors.weekly)
        side.weekly = addScaled(side.weekly, amount, *factors.weekly);
    if (factors.monthly)
        side.monthly = addScaled(side.monthly, amount, *factors.monthly);
    side.annual = addScaled(side.annual, amount, factors.annual);
}

TreeItem balanceItem(float balance)
{
    // NaN fails the comparison and so is shown as a loss.
    const QColor& colour
        = balance >= 0.0f ? colours::kBalanceNotNegative : colours::kBalanceNegative;
    return { 2, QStringLiteral("Balance: ") + moneyText(balance), colour };
}

void appendPeriod(std::vector<TreeItem>& items, const QString& period, float income, float expenses,
    float balance)
{
    items.push_back({ 1, period, std::nullopt });
    items.push_back({ 2, QStringLiteral("Income: ") + moneyText(income), std::nullopt });
    items.push_back({ 2, QStringLiteral("Expenses: ") + moneyText(expenses), std::nullopt });
    items.push_back(balanceItem(balance));
}

ReportField field(report::Place place, float figure)
{
    return { place.line, place.column, moneyText(figure) };
}

} // namespace

float weeksBetween(
    int startDay, int startMonth, int startYear, int endDay, int endMonth, int endYear)
{
    // The difference is taken in 64 bits, so dates far apart (or one date
    // that does not exist and one after 2037) give their true distance.
    const CalendarTime start = calendarTime(startYear, startMonth, startDay, 0, 0, 0);
    const CalendarTime end = calendarTime(endYear, endMonth, endDay, 0, 0, 0);
    return static_cast<float>(
        static_cast<double>(end - start) / static_cast<double>(kSecondsPerWeek));
}

float durationWeeks(const RecurringEntry& entry)
{
    if (entry.noEndDate != 0)
        return 52.0f;
    return weeksBetween(entry.startDay, entry.startMonth, entry.startYear, entry.endDay,
        entry.endMonth, entry.endYear);
}

SummaryTotals summaryTotals(const Profile& profile)
{
    SummaryTotals t;
    for (const IncomeSource& income : profile.incomes)
        addEntry({ t.currentIncome, t.weeklyIncome, t.monthlyIncome, t.annualIncome }, income);
    for (const Expense& expense : profile.expenses)
        addEntry(
            { t.currentExpenses, t.weeklyExpenses, t.monthlyExpenses, t.annualExpenses }, expense);
    t.currentBalance = t.currentIncome - t.currentExpenses;
    t.weeklyBalance = t.weeklyIncome - t.weeklyExpenses;
    t.monthlyBalance = t.monthlyIncome - t.monthlyExpenses;
    t.annualBalance = t.annualIncome - t.annualExpenses;
    return t;
}

std::vector<TreeItem> summaryTreeItems(const SummaryTotals& t)
{
    std::vector<TreeItem> items;
    items.reserve(17);
    items.push_back({ 0, QStringLiteral("Summary Estimates"), std::nullopt });
    appendPeriod(
        items, QStringLiteral("Current"), t.currentIncome, t.currentExpenses, t.currentBalance);
    appendPeriod(
        items, QStringLiteral("Weekly"), t.weeklyIncome, t.weeklyExpenses, t.weeklyBalance);
    appendPeriod(
        items, QStringLiteral("Monthly"), t.monthlyIncome, t.monthlyExpenses, t.monthlyBalance);
    appendPeriod(
        items, QStringLiteral("Annual"), t.annualIncome, t.annualExpenses, t.annualBalance);
    return items;
}

std::vector<ListRow> expenseTotalsRows(const SummaryTotals& t)
{
    // Both derived figures are single-precision operations on the weekly
    // figure, so a weekly 70 gives a daily 10.00 and a fortnightly 140.00.
    const float daily = t.weeklyExpenses / 7.0f;
    const float fortnightly = t.weeklyExpenses * 2.0f;
    return {
        { QStringLiteral("Current"), moneyText(t.currentExpenses) },
        { QStringLiteral("Daily"), moneyText(daily) },
        { QStringLiteral("Weekly"), moneyText(t.weeklyExpenses) },
        { QStringLiteral("Fortnightly"), moneyText(fortnightly) },
        { QStringLiteral("Monthly"), moneyText(t.monthlyExpenses) },
        { QStringLiteral("Annual"), moneyText(t.annualExpenses) },
    };
}

std::vector<ReportField> summaryReportFields(const SummaryTotals& t)
{
    using namespace report;
    return {
        field(kCurrentIncome, t.currentIncome),
        field(kCurrentExpenses, t.currentExpenses),
        field(kCurrentBalance, t.currentBalance),
        field(kWeeklyIncome, t.weeklyIncome),
        field(kWeeklyExpenses, t.weeklyExpenses),
        field(kWeeklyBalance, t.weeklyBalance),
        field(kMonthlyIncome, t.monthlyIncome),
        field(kMonthlyExpenses, t.monthlyExpenses),
        field(kMonthlyBalance, t.monthlyBalance),
        field(kAnnualIncome, t.annualIncome),
        field(kAnnualExpenses, t.annualExpenses),
        field(kAnnualBalance, t.annualBalance),
    };
}

} // namespace cashvane
