#include "engine/Recalculate.h"
#include "EngineFixtures.h"
#include "engine/Colours.h"
#include "engine/DateLabel.h"

#include <gtest/gtest.h>

#include <vector>

namespace cashvane {
namespace {

using test::entry;
using F = FrequencyCode;

RecalculationResult recalculateAt(
    const Profile& profile, CalendarTime now = test::kWednesday11August2010, std::uint32_t seed = 0)
{
    SeededRandom random(seed);
    return recalculate(profile, now, now, random);
}

TEST(EmptyProfile, ShowsZeroesEverywhere)
{
    const RecalculationResult r = recalculateAt(Profile {});
    EXPECT_EQ(r.profileNameLabel, QString());
    EXPECT_EQ(r.dateLabel, QStringLiteral("August 11th 2010"));
    EXPECT_TRUE(r.history.empty());
    const QColor green = colours::kBalanceNotNegative;
    const std::vector<TreeItem> tree = {
        { 0, "Summary Estimates", std::nullopt },
        { 1, "Current", std::nullopt },
        { 2, "Income: 0.00", std::nullopt },
        { 2, "Expenses: 0.00", std::nullopt },
        { 2, "Balance: 0.00", green },
        { 1, "Weekly", std::nullopt },
        { 2, "Income: 0.00", std::nullopt },
        { 2, "Expenses: 0.00", std::nullopt },
        { 2, "Balance: 0.00", green },
        { 1, "Monthly", std::nullopt },
        { 2, "Income: 0.00", std::nullopt },
        { 2, "Expenses: 0.00", std::nullopt },
        { 2, "Balance: 0.00", green },
        { 1, "Annual", std::nullopt },
        { 2, "Income: 0.00", std::nullopt },
        { 2, "Expenses: 0.00", std::nullopt },
        { 2, "Balance: 0.00", green },
        { 0, "Income", std::nullopt },
        { 0, "Expenses", std::nullopt },
        { 0, "Banking", std::nullopt },
    };
    EXPECT_EQ(r.summaryTree, tree);
    ASSERT_EQ(r.expenseTotals.size(), 6u);
    for (const ListRow& row : r.expenseTotals)
        EXPECT_EQ(row[1], QStringLiteral("0.00")) << row[0].toStdString();
    EXPECT_TRUE(r.income.empty());
    EXPECT_TRUE(r.expenses.empty());
    EXPECT_TRUE(r.banking.empty());
    EXPECT_TRUE(r.chartSlices.empty());
    ASSERT_EQ(r.outlook.size(), 16u);
    ASSERT_EQ(r.projection.size(), 52u);
    for (const ColouredRow& row : r.outlook) {
        EXPECT_EQ(row.cells.mid(1), QStringList({ "0.00", "0.00", "0.00", "0.00" }));
        EXPECT_EQ(row.background, colours::kWeekFine);
    }
    for (const ColouredRow& row : r.projection) {
        EXPECT_EQ(row.cells.mid(2), QStringList({ "0.00", "0.00", "0.00", "0.00" }));
        EXPECT_EQ(row.background, colours::kWeekFine);
    }
}

// A pass days later still dates the report as the window's label does:
// with the day the program started.
TEST(EmptyProfile, DatesTheReportWithTheStartNotWithThePass)
{
    SeededRandom random(0);
    const RecalculationResult r = recalculate(
        Profile {}, test::at({ 19, 8, 2010 }), test::kWednesday11August2010, random);
    EXPECT_EQ(r.dateLabel, QStringLiteral("August 11th 2010"));
    EXPECT_EQ(r.reportFields[1], (ReportField { 2, 6, ": August 11th 2010" }));
    EXPECT_EQ(r.outlook.front().cells.front(), QStringLiteral("21 / 08 / 10"));
}

TEST(EmptyProfile, WritesEveryReportFieldInPassOrder)
{
    const std::vector<ReportField> fields = recalculateAt(Profile {}).reportFields;
    ASSERT_EQ(fields.size(), 18u);
    const std::vector<ReportField> head
        = { { 1, 22, "" }, { 2, 6, ": August 11th 2010" }, { 5, 16, "0.00" } };
    EXPECT_EQ(std::vector<ReportField>(fields.begin(), fields.begin() + 3), head);
    const std::vector<ReportField> blocks = { { 22, 1, "" }, { 25, 1, "" }, { 28, 1, "" } };
    EXPECT_EQ(std::vector<ReportField>(fields.begin() + 14, fields.begin() + 17), blocks);
    EXPECT_EQ(fields[17].line, 31);
    EXPECT_TRUE(fields[17].text.startsWith(
        QStringLiteral("Wk \tWk-End      \tBalance\n1\t21 / 08 / 10\t0.00\n")));
}

class SmallProfile : public testing::Test {
protected:
    Profile profile = [] {
        Profile p = test::profileWith(
            { entry(
                  F::Monthly, 1500, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Wages / Salary")),
                entry(F::Weekly, 20, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Dividends")),
                entry(F::OneOff, 5, { 1, 8, 2010 }, std::nullopt, QStringLiteral("Benefits")) },
            { test::chargedTo(entry(F::Monthly, 450, { 1, 1, 2010 }, std::nullopt,
                                  QStringLiteral("Rent/Mortgage")),
                  1),
                entry(
                    F::Weekly, 30, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Food/Shopping")) },
            { test::account(QStringLiteral("Main"), QStringLiteral("Big Bank"), 1000, 250) });
        p.profileName = QStringLiteral("Sam Reyes");
        p.expenses.record(1).useCustom = 1;
        p.expenses.record(1).customTitle = QStringLiteral("Flat");
        p.history.logAction(QStringLiteral("Add Income: Wages / Salary"), test::at({ 5, 3, 2010 }));
        p.history.logAction(QStringLiteral("Add Expense: Rent/Mortgage"), test::at({ 6, 3, 2010 }));
        return p;
    }();
};

TEST_F(SmallProfile, PlacesEachBlockBelowTheLinesInsertedBeforeIt)
{
    const std::vector<ReportField> fields = recalculateAt(profile).reportFields;
    ASSERT_EQ(fields.size(), 18u);
    EXPECT_EQ(fields[0], (ReportField { 1, 22, "Sam Reyes" }));
    EXPECT_EQ(fields[14],
        (ReportField { 22, 1, "Wages / Salary (1500.00)\nDividends (20.00)\nBenefits (5.00)\n" }));
    EXPECT_EQ(fields[15], (ReportField { 28, 1, "Flat (450.00)\nFood/Shopping (30.00)\n" }));
    EXPECT_EQ(fields[16], (ReportField { 33, 1, "Main (Balance: 1000.00)\n" }));
    EXPECT_EQ(fields[17].line, 37);
}

TEST_F(SmallProfile, ShowsCustomTitlesEverywhereButTheChart)
{
    const RecalculationResult r = recalculateAt(profile);
    EXPECT_EQ(r.profileNameLabel, QStringLiteral("Sam Reyes"));
    EXPECT_EQ(r.expenses[0][0], QStringLiteral("Flat"));
    EXPECT_EQ(r.chartSlices[0].label, QStringLiteral("Rent/Mortgage (450.00)"));
    QStringList topLevel;
    for (const TreeItem& item : r.summaryTree) {
        if (item.depth == 0)
            topLevel.push_back(item.text);
    }
    EXPECT_EQ(topLevel, QStringList({ "Summary Estimates", "Income", "Expenses", "Banking" }));
    const auto flat = std::find_if(r.summaryTree.begin(), r.summaryTree.end(),
        [](const TreeItem& item) { return item.text == u"Flat (450.00)"; });
    EXPECT_NE(flat, r.summaryTree.end());
}

TEST_F(SmallProfile, ListsTheHistoryNewestFirstWithoutEmptyEntries)
{
    profile.history.entry(1).actionText.clear(); // a hole, as a file may hold
    profile.history.logAction(QStringLiteral("Deposit: 5.00->Main"), test::at({ 7, 3, 2010 }));
    const std::vector<ListRow> expected = { { "07/03/2010", "Deposit: 5.00->Main" },
        { "05/03/2010", "Add Income: Wages / Salary" } };
    EXPECT_EQ(recalculateAt(profile).history, expected);
}

TEST_F(SmallProfile, StartsTheProjectionFromTheAccounts)
{
    // Week 0 takes 1500 + 20 + 5 in and 450 + 30 out; 1000 + 1045 = 2045.
    const RecalculationResult r = recalculateAt(profile);
    EXPECT_EQ(r.outlook[0].cells,
        QStringList({ "14 / 08 / 10", "1525.00", "480.00", "1045.00", "2045.00" }));
    EXPECT_EQ(r.banking[0], ListRow({ "Main", "1000.00", "450.00", "250.00", "1250.00" }));
}

TEST_F(SmallProfile, LeavesTheProfileAsItWas)
{
    for (int k = 0; k < 12; ++k)
        profile.expenses.append(entry(F::Weekly, 1, { 1, 1, 2010 }));
    const Profile before = profile;
    const RecalculationResult first = recalculateAt(profile, test::kWednesday11August2010, 9);
    EXPECT_EQ(profile, before);
    EXPECT_EQ(recalculateAt(profile, test::kWednesday11August2010, 9), first);
    EXPECT_NE(
        recalculateAt(profile, test::kWednesday11August2010, 10).chartSlices, first.chartSlices);
}

TEST(DateLabel, ChoosesTheSuffixFromTheTwoDigitDay)
{
    const std::vector<std::pair<int, const char*>> cases = {
        { 1, "August 01st 2010" },
        { 2, "August 02nd 2010" },
        { 3, "August 03rd 2010" },
        { 4, "August 04th 2010" },
        { 11, "August 11th 2010" },
        { 12, "August 12th 2010" },
        { 13, "August 13th 2010" },
        { 21, "August 21st 2010" },
        { 22, "August 22nd 2010" },
        { 23, "August 23rd 2010" },
        { 30, "August 30th 2010" },
        { 31, "August 31st 2010" },
    };
    for (const auto& [day, text] : cases)
        EXPECT_EQ(dateLabelText(test::at({ day, 8, 2010 })), QString::fromLatin1(text));
    EXPECT_EQ(dateLabelText(test::at({ 1, 1, 2040 })), QStringLiteral("January 01st 2040"));
    EXPECT_EQ(dateLabelText(test::at({ 25, 12, 1999 })), QStringLiteral("December 25th 1999"));
}

} // namespace
} // namespace cashvane
