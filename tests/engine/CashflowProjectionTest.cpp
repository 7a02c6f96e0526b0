#include "engine/CashflowProjection.h"
#include "EngineFixtures.h"
#include "engine/Colours.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

namespace cashvane {
namespace {

using test::Date;
using test::entry;
using F = FrequencyCode;

TEST(FirstWeekEnd, IsTheComingSaturdayAtTheSameTime)
{
    EXPECT_EQ(firstWeekEnd(test::kWednesday11August2010), test::at({ 14, 8, 2010 }));
    EXPECT_EQ(firstWeekEnd(test::at({ 14, 8, 2010 })), test::at({ 14, 8, 2010 }));
    EXPECT_EQ(firstWeekEnd(test::at({ 15, 8, 2010 })), test::at({ 21, 8, 2010 }));
    EXPECT_EQ(firstWeekEnd(test::at({ 1, 1, 2040 })), test::at({ 7, 1, 2040 }));
}

TEST(WeekWindow, RunsFromSundayToTheFollowingSaturday)
{
    const CalendarTime first = firstWeekEnd(test::kWednesday11August2010);
    struct Case {
        int week;
        Date sunday;
        Date saturday;
    };
    const std::vector<Case> cases = {
        { 0, { 15, 8, 2010 }, { 21, 8, 2010 } },
        { 1, { 22, 8, 2010 }, { 28, 8, 2010 } },
        { 52, { 14, 8, 2011 }, { 20, 8, 2011 } },
    };
    for (const Case& c : cases) {
        const WeekWindow window = weekWindow(first, c.week);
        EXPECT_EQ(window.start, test::at(c.sunday, 0, 0, 0)) << c.week;
        EXPECT_EQ(window.end, test::at(c.saturday, 23, 59, 59)) << c.week;
    }
}

TEST(CashflowProjection, LabelsEachRowWithTheSaturdayBeforeIt)
{
    const CashflowProjection p = projectCashflow(Profile {}, 0.0f, test::kWednesday11August2010);
    ASSERT_EQ(p.outlook.size(), 16u);
    ASSERT_EQ(p.projection.size(), 52u);
    EXPECT_EQ(p.outlook[0].cells[0], QStringLiteral("14 / 08 / 10"));
    EXPECT_EQ(p.outlook[15].cells[0], QStringLiteral("27 / 11 / 10"));
    EXPECT_EQ(p.projection[0].cells.mid(0, 2), QStringList({ "1", "21 / 08 / 10" }));
    EXPECT_EQ(p.projection[51].cells.mid(0, 2), QStringList({ "52", "13 / 08 / 11" }));
}

TEST(CashflowProjection, WorksAfter2037)
{
    // Wednesday 15 August 2040.
    const CashflowProjection p
        = projectCashflow(test::profileWith({ entry(F::Weekly, 10, { 1, 1, 2040 }) }), 0.0f,
            test::at({ 15, 8, 2040 }));
    EXPECT_EQ(
        p.outlook[0].cells, QStringList({ "18 / 08 / 40", "10.00", "0.00", "10.00", "10.00" }));
    EXPECT_EQ(p.projection[51].cells,
        QStringList({ "52", "17 / 08 / 41", "10.00", "0.00", "10.00", "530.00" }));
}

enum class Side { Income, Expense };

struct PaymentCase {
    const char* name;
    Side side;
    RecurringEntry entry;
    std::set<int> payingWeeks;
    const char* share = "100.00";
    CalendarTime now = test::kWednesday11August2010;

    friend void PrintTo(const PaymentCase& c, std::ostream* out) { *out << c.name; }
};

// What the entry's side takes in each week 0 to 52.
QStringList weekSums(const CashflowProjection& p, Side side)
{
    const int column = side == Side::Income ? 1 : 2;
    QStringList sums;
    sums.push_back(p.outlook[0].cells[column]);
    for (const ColouredRow& row : p.projection)
        sums.push_back(row.cells[column + 1]);
    return sums;
}

class PaymentWeeks : public testing::TestWithParam<PaymentCase> { };

TEST_P(PaymentWeeks, FollowTheActivePeriodAndCycle)
{
    const PaymentCase& c = GetParam();
    const Profile profile = c.side == Side::Income ? test::profileWith({ c.entry })
                                                   : test::profileWith({}, { c.entry });
    QStringList expected;
    for (int w = 0; w < kProjectedWeeks; ++w)
        expected.push_back(
            c.payingWeeks.contains(w) ? QString::fromLatin1(c.share) : QStringLiteral("0.00"));
    EXPECT_EQ(weekSums(projectCashflow(profile, 0.0f, c.now), c.side), expected);
}

std::set<int> weeksFrom(int first, int step = 1, int last = 52)
{
    std::set<int> weeks;
    for (int w = first; w <= last; w += step)
        weeks.insert(w);
    return weeks;
}

INSTANTIATE_TEST_SUITE_P(Cases, PaymentWeeks,
    testing::Values(PaymentCase { "WeeklyStartingOnWednesday", Side::Expense,
                        entry(F::Weekly, 50, { 18, 8, 2010 }), weeksFrom(1), "50.00" },
        PaymentCase { "FortnightlyStartedAMonthAgo", Side::Income,
            entry(F::Fortnightly, 100, { 11, 7, 2010 }), weeksFrom(0, 2) },
        PaymentCase { "MonthlyStartedAMonthAgo", Side::Income,
            entry(F::Monthly, 100, { 11, 7, 2010 }), weeksFrom(0, 4) },
        // The rhythm starts at the first active week, not at the start date.
        PaymentCase { "MonthlyStartingNextWeek", Side::Income,
            entry(F::Monthly, 100, { 16, 8, 2010 }), weeksFrom(1, 4) },
        PaymentCase { "YearlyStartedThisYear", Side::Expense, entry(F::Yearly, 100, { 1, 1, 2010 }),
            { 0, 52 } },
        PaymentCase {
            "Daily", Side::Expense, entry(F::Daily, 10, { 1, 1, 2010 }), weeksFrom(0), "70.00" },
        PaymentCase { "OneOffEarlyThisMonth", Side::Expense, entry(F::OneOff, 100, { 1, 8, 2010 }),
            { 0, 52 } },
        PaymentCase {
            "OneOffLastYear", Side::Expense, entry(F::OneOff, 100, { 1, 6, 2009 }), { 0 } },
        PaymentCase {
            "OneOffNextWeek", Side::Expense, entry(F::OneOff, 100, { 18, 8, 2010 }), { 1 } },
        // A one-off runs two years whatever its end date says.
        PaymentCase { "OneOffIgnoresItsEndDate", Side::Income,
            entry(F::OneOff, 100, { 1, 8, 2010 }, Date { 2, 8, 2010 }), { 0, 52 } },
        PaymentCase { "EndingOnASaturday", Side::Income,
            entry(F::Weekly, 100, { 1, 1, 2010 }, Date { 28, 8, 2010 }), { 0, 1 } },
        PaymentCase { "EndingOnAFriday", Side::Income,
            entry(F::Weekly, 100, { 1, 1, 2010 }, Date { 27, 8, 2010 }), { 0 } },
        PaymentCase { "EndedBeforeTheRun", Side::Income,
            entry(F::Weekly, 100, { 1, 1, 2010 }, Date { 1, 8, 2010 }), {} },
        PaymentCase { "EndBeforeStart", Side::Income,
            entry(F::Weekly, 100, { 1, 9, 2010 }, Date { 1, 8, 2010 }), {} },
        // Without end date an entry runs two years from its start.
        PaymentCase { "NoEndDateStartedTwoYearsAgo", Side::Income,
            entry(F::Weekly, 100, { 1, 8, 2008 }), {} },
        PaymentCase { "NoEndDateRunsOutWithinTheYear", Side::Income,
            entry(F::Weekly, 100, { 1, 12, 2008 }), weeksFrom(0, 1, 14) },
        // A start that does not exist lies before every week.
        PaymentCase { "StartThatDoesNotExist", Side::Income,
            entry(F::Weekly, 100, { 31, 4, 2010 }, Date { 28, 8, 2010 }), { 0, 1 } },
        PaymentCase { "EndThatDoesNotExist", Side::Income,
            entry(F::Weekly, 100, { 1, 1, 2010 }, Date { 31, 2, 2011 }), {} },
        // 29 February two years on does not exist, so the entry never pays.
        PaymentCase { "NoEndDateFrom29February", Side::Income,
            entry(F::Weekly, 100, { 29, 2, 2012 }), {}, "100.00", test::at({ 15, 8, 2012 }) },
        PaymentCase { "NoEndDateFrom1March", Side::Income, entry(F::Weekly, 100, { 1, 3, 2012 }),
            weeksFrom(0), "100.00", test::at({ 15, 8, 2012 }) },
        PaymentCase { "UnknownCodePaysOnceIn52Weeks", Side::Income,
            entry(static_cast<F>(3), 100, { 1, 1, 2010 }, Date { 1, 1, 2012 }), { 0, 52 } }),
    test::CaseName {});

TEST(CashflowProjection, CountsWeekZeroIntoEveryRunningBalance)
{
    const CashflowProjection p
        = projectCashflow(test::profileWith({ entry(F::Weekly, 100, { 1, 1, 2010 }) }), 50.0f,
            test::kWednesday11August2010);
    EXPECT_EQ(
        p.outlook[0].cells, QStringList({ "14 / 08 / 10", "100.00", "0.00", "100.00", "150.00" }));
    EXPECT_EQ(p.projection[0].cells,
        QStringList({ "1", "21 / 08 / 10", "100.00", "0.00", "100.00", "250.00" }));
    EXPECT_EQ(p.projection[51].cells[5], QStringLiteral("5350.00"));
}

TEST(CashflowProjection, WritesTheBlockWithAHeadingAnd52Weeks)
{
    const CashflowProjection p
        = projectCashflow(test::profileWith({}, { entry(F::Weekly, 10, { 1, 1, 2010 }) }), 100.0f,
            test::kWednesday11August2010);
    const QStringList lines = p.block.split(u'\n');
    ASSERT_EQ(lines.size(), 54); // the last line break leaves an empty piece
    EXPECT_EQ(lines[0], QStringLiteral("Wk \tWk-End      \tBalance"));
    EXPECT_EQ(lines[1], QStringLiteral("1\t21 / 08 / 10\t80.00"));
    EXPECT_EQ(lines[52], QStringLiteral("52\t13 / 08 / 11\t-430.00"));
    EXPECT_EQ(lines[53], QString());
}

TEST(CashflowProjection, RoundsEveryWeekSumAfterEachAddition)
{
    // 2^24 + 1 rounds back to 2^24 at each step.
    const CashflowProjection p = projectCashflow(
        test::profileWith({ entry(F::Weekly, 16777216, { 1, 1, 2010 }),
            entry(F::Weekly, 1, { 1, 1, 2010 }), entry(F::Weekly, 1, { 1, 1, 2010 }) }),
        0.0f, test::kWednesday11August2010);
    EXPECT_EQ(p.outlook[0].cells[1], QStringLiteral("16777216.00"));
}

TEST(WeekColour, WarnsAboutOverdraftFirstThenLosses)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float net;
        float running;
        QColor colour;
    };
    const std::vector<Case> cases = {
        { 5.0f, -1.0f, colours::kWeekOverdrawn },
        { -5.0f, -1.0f, colours::kWeekOverdrawn },
        { 5.0f, nan, colours::kWeekOverdrawn },
        { -1.0f, 0.0f, colours::kWeekLosing },
        { nan, 5.0f, colours::kWeekLosing },
        { 0.0f, 0.0f, colours::kWeekFine },
        { 3.0f, 10.0f, colours::kWeekFine },
    };
    for (const Case& c : cases)
        EXPECT_EQ(weekColour(c.net, c.running), c.colour) << c.net << " " << c.running;
}

TEST(CashflowProjection, ColoursRowsByTheirWeek)
{
    // From -150, a weekly net of +100 turns the balance at week 1; a yearly
    // expense in week 0 and week 52 makes those weeks lose money.
    const Profile profile = test::profileWith(
        { entry(F::Weekly, 100, { 1, 1, 2010 }) }, { entry(F::Yearly, 300, { 1, 1, 2010 }) });
    const CashflowProjection p = projectCashflow(profile, -150.0f, test::kWednesday11August2010);
    EXPECT_EQ(p.outlook[0].background, colours::kWeekOverdrawn); // -350
    EXPECT_EQ(p.outlook[1].background, colours::kWeekOverdrawn); // -250
    EXPECT_EQ(p.outlook[4].background, colours::kWeekFine); // 50
    EXPECT_EQ(p.projection[3].background, colours::kWeekFine);
    EXPECT_EQ(
        p.projection[51].cells.mid(2), QStringList({ "100.00", "300.00", "-200.00", "4550.00" }));
    EXPECT_EQ(p.projection[51].background, colours::kWeekLosing);
}

} // namespace
} // namespace cashvane
