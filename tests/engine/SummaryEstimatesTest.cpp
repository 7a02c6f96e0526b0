#include "engine/SummaryEstimates.h"
#include "EngineFixtures.h"
#include "engine/Colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace cashvane {
namespace {

using test::entry;
using F = FrequencyCode;

QStringList figureTexts(const Profile& profile)
{
    QStringList texts;
    for (const ReportField& field : summaryReportFields(summaryTotals(profile)))
        texts.push_back(field.text);
    return texts;
}

struct FigureCase {
    const char* name;
    Profile profile;
    // Income, expenses and balance for Current, Weekly, Monthly and Annual.
    QStringList figures;

    friend void PrintTo(const FigureCase& c, std::ostream* out) { *out << c.name; }
};

class SummaryFigures : public testing::TestWithParam<FigureCase> { };

TEST_P(SummaryFigures, AreWrittenInReportOrder)
{
    EXPECT_EQ(figureTexts(GetParam().profile), GetParam().figures);
}

const float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Cases, SummaryFigures,
    testing::Values(FigureCase { "WeeklyIncomeWithoutEnd",
                        test::profileWith({ entry(F::Weekly, 100, { 1, 1, 2010 }) }),
                        { "100.00", "0.00", "100.00", "100.00", "0.00", "100.00", "400.00", "0.00",
                            "400.00", "5200.00", "0.00", "5200.00" } },
        FigureCase { "WeeklyIncomeFor364Days",
            test::profileWith(
                { entry(F::Weekly, 100, { 1, 1, 2010 }, test::Date { 31, 12, 2010 }) }),
            { "100.00", "0.00", "100.00", "100.00", "0.00", "100.00", "400.00", "0.00", "400.00",
                "5200.00", "0.00", "5200.00" } },
        FigureCase { "WeeklyIncomeForExactly51Weeks",
            test::profileWith(
                { entry(F::Weekly, 100, { 1, 1, 2010 }, test::Date { 24, 12, 2010 }) }),
            { "100.00", "0.00", "100.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "0.00", "0.00" } },
        FigureCase { "YearlyExpenseWhateverItsDates",
            test::profileWith(
                {}, { entry(F::Yearly, 1200, { 1, 1, 2010 }, test::Date { 2, 1, 2010 }) }),
            { "0.00", "1200.00", "-1200.00", "0.00", "23.04", "-23.04", "0.00", "100.00", "-100.00",
                "0.00", "1200.00", "-1200.00" } },
        FigureCase { "OneOffExpense",
            test::profileWith({}, { entry(F::OneOff, 500, { 1, 8, 2010 }) }),
            { "0.00", "500.00", "-500.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "500.00", "-500.00" } },
        FigureCase { "UnknownFrequencyCountsAsOneOff",
            test::profileWith({ entry(static_cast<F>(3), 80, { 1, 8, 2010 }) }),
            { "80.00", "0.00", "80.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "80.00",
                "0.00", "80.00" } },
        FigureCase { "DailyExpenseWithoutEnd",
            test::profileWith({}, { entry(F::Daily, 10, { 1, 1, 2010 }) }),
            { "0.00", "10.00", "-10.00", "0.00", "70.00", "-70.00", "0.00", "300.00", "-300.00",
                "0.00", "3650.00", "-3650.00" } },
        FigureCase { "FortnightlyAndMonthlyFactors",
            test::profileWith({ entry(F::Fortnightly, 100, { 1, 1, 2010 }),
                entry(F::Monthly, 1000, { 1, 1, 2010 }) }),
            { "1100.00", "0.00", "1100.00", "300.00", "0.00", "300.00", "1200.00", "0.00",
                "1200.00", "14600.00", "0.00", "14600.00" } },
        // 31 February does not exist: the duration is negative.
        FigureCase { "EndDateThatDoesNotExist",
            test::profileWith(
                { entry(F::Weekly, 100, { 1, 1, 2010 }, test::Date { 31, 2, 2012 }) }),
            { "100.00", "0.00", "100.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "0.00", "0.00" } },
        // Measured from the very start of 1970, so it counts everywhere.
        FigureCase { "StartDateThatDoesNotExist",
            test::profileWith(
                { entry(F::Weekly, 100, { 30, 2, 2010 }, test::Date { 1, 3, 2010 }) }),
            { "100.00", "0.00", "100.00", "100.00", "0.00", "100.00", "400.00", "0.00", "400.00",
                "5200.00", "0.00", "5200.00" } },
        FigureCase { "NeitherDateExists",
            test::profileWith(
                { entry(F::Weekly, 100, { 30, 2, 2010 }, test::Date { 31, 4, 2011 }) }),
            { "100.00", "0.00", "100.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "0.00", "0.00" } },
        FigureCase { "DatesAfter2037",
            test::profileWith({ entry(F::Weekly, 100, { 1, 1, 2040 }, test::Date { 1, 1, 2041 }) }),
            { "100.00", "0.00", "100.00", "100.00", "0.00", "100.00", "400.00", "0.00", "400.00",
                "5200.00", "0.00", "5200.00" } },
        FigureCase { "DatesBefore1970",
            test::profileWith(
                { entry(F::Weekly, 100, { 1, 1, 1961 }, test::Date { 24, 12, 1961 }) }),
            { "100.00", "0.00", "100.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "0.00", "0.00" } },
        // 2^24 + 1 is no float: each addition rounds back to 2^24, where one
        // sum of all three in double would give 16777218.
        FigureCase { "RoundsAfterEveryAddition",
            test::profileWith({ entry(F::OneOff, 16777216, { 1, 1, 2010 }),
                entry(F::OneOff, 1, { 1, 1, 2010 }), entry(F::OneOff, 1, { 1, 1, 2010 }) }),
            { "16777216.00", "0.00", "16777216.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "16777216.00", "0.00", "16777216.00" } },
        // A one-off adds nothing to the weekly and monthly figures, not
        // 0 × infinity.
        FigureCase { "InfiniteOneOffLeavesWeeklyAlone",
            test::profileWith({ entry(F::OneOff, kInfinity, { 1, 1, 2010 }) }),
            { "+Infinity", "0.00", "+Infinity", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                "+Infinity", "0.00", "+Infinity" } }),
    test::CaseName {});

TEST(SummaryFigures, GoToTheirReportPlaces)
{
    std::vector<std::pair<int, int>> places;
    for (const ReportField& field : summaryReportFields(SummaryTotals {}))
        places.emplace_back(field.line, field.column);
    const std::vector<std::pair<int, int>> expected
        = { { 5, 16 }, { 6, 18 }, { 7, 17 }, { 9, 15 }, { 10, 17 }, { 11, 16 }, { 13, 16 },
              { 14, 18 }, { 15, 17 }, { 17, 15 }, { 18, 17 }, { 19, 16 } };
    EXPECT_EQ(places, expected);
}

TEST(WeeksBetween, IsNotRoundedToWholeWeeks)
{
    EXPECT_EQ(weeksBetween(1, 8, 2010, 11, 8, 2010), 1.4285715f);
    EXPECT_EQ(weeksBetween(1, 1, 2010, 24, 12, 2010), 51.0f);
    EXPECT_EQ(weeksBetween(1, 1, 2010, 25, 12, 2010), 51.142857f);
    EXPECT_EQ(weeksBetween(11, 8, 2010, 1, 8, 2010), -1.4285715f);
}

struct ExpenseTotalsCase {
    const char* name;
    Profile profile;
    std::vector<ListRow> rows;

    friend void PrintTo(const ExpenseTotalsCase& c, std::ostream* out) { *out << c.name; }
};

class ExpenseTotals : public testing::TestWithParam<ExpenseTotalsCase> { };

TEST_P(ExpenseTotals, ShowEachPeriod)
{
    EXPECT_EQ(expenseTotalsRows(summaryTotals(GetParam().profile)), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExpenseTotals,
    testing::Values(
        ExpenseTotalsCase { "Empty", Profile {},
            { { "Current", "0.00" }, { "Daily", "0.00" }, { "Weekly", "0.00" },
                { "Fortnightly", "0.00" }, { "Monthly", "0.00" }, { "Annual", "0.00" } } },
        ExpenseTotalsCase { "DailyTen",
            test::profileWith({}, { entry(F::Daily, 10, { 1, 1, 2010 }) }),
            { { "Current", "10.00" }, { "Daily", "10.00" }, { "Weekly", "70.00" },
                { "Fortnightly", "140.00" }, { "Monthly", "300.00" }, { "Annual", "3650.00" } } },
        // The daily figure is the weekly one divided by 7: 1200 × 0.0192 / 7.
        ExpenseTotalsCase { "YearlyTwelveHundred",
            test::profileWith({}, { entry(F::Yearly, 1200, { 1, 1, 2010 }) }),
            { { "Current", "1200.00" }, { "Daily", "3.29" }, { "Weekly", "23.04" },
                { "Fortnightly", "46.08" }, { "Monthly", "100.00" }, { "Annual", "1200.00" } } },
        // The monthly factor is 0.08333, not a twelfth: 12000 gives 999.96.
        ExpenseTotalsCase { "YearlyTwelveThousand",
            test::profileWith({}, { entry(F::Yearly, 12000, { 1, 1, 2010 }) }),
            { { "Current", "12000.00" }, { "Daily", "32.91" }, { "Weekly", "230.40" },
                { "Fortnightly", "460.80" }, { "Monthly", "999.96" }, { "Annual", "12000.00" } } },
        // Income never enters the expense totals.
        ExpenseTotalsCase { "IncomeOnly",
            test::profileWith({ entry(F::Daily, 10, { 1, 1, 2010 }) }),
            { { "Current", "0.00" }, { "Daily", "0.00" }, { "Weekly", "0.00" },
                { "Fortnightly", "0.00" }, { "Monthly", "0.00" }, { "Annual", "0.00" } } }),
    test::CaseName {});

struct BalanceColourCase {
    float balance;
    QColor colour;
};

TEST(SummaryTree, ColoursEveryBalanceBySign)
{
    const std::vector<BalanceColourCase> cases = {
        { 0.0f, colours::kBalanceNotNegative },
        { -0.0f, colours::kBalanceNotNegative },
        { 12.5f, colours::kBalanceNotNegative },
        { -0.01f, colours::kBalanceNegative },
        { std::numeric_limits<float>::quiet_NaN(), colours::kBalanceNegative },
    };
    for (const BalanceColourCase& c : cases) {
        SummaryTotals totals;
        totals.currentBalance = totals.weeklyBalance = totals.monthlyBalance = totals.annualBalance
            = c.balance;
        const std::vector<TreeItem> items = summaryTreeItems(totals);
        ASSERT_EQ(items.size(), 17u);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const bool isBalance = i % 4 == 0 && i > 0;
            EXPECT_EQ(items[i].colour, isBalance ? std::optional<QColor>(c.colour) : std::nullopt)
                << "item " << i << " for balance " << c.balance;
        }
    }
}

} // namespace
} // namespace cashvane
