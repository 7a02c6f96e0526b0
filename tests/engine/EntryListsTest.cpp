#include "engine/EntryLists.h"
#include "EngineFixtures.h"
#include "engine/BankingList.h"

#include <gtest/gtest.h>

#include <vector>

namespace cashvane {
namespace {

using test::entry;
using F = FrequencyCode;

TEST(ShortDateText, WritesTheStoredNumbers)
{
    struct Case {
        int day, month, year;
        const char* text;
    };
    const std::vector<Case> cases = {
        { 5, 3, 2010, "05 / 03 / 10" },
        { 0, 0, 2010, "00 / 00 / 10" },
        { 31, 2, 1920, "31 / 02 / 20" },
        { 1, 1, 5, "01 / 01 / 5" },
        { -1, 12, 2050, "-1 / 12 / 50" },
        { 123, 7, 1999, "23 / 07 / 99" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(shortDateText(c.day, c.month, c.year), QString::fromLatin1(c.text));
}

TEST(FrequencyText, NamesTheListedCodesOnly)
{
    const std::vector<std::pair<int, const char*>> cases = {
        { 0, "Daily" },
        { 1, "Weekly" },
        { 2, "Fortnightly" },
        { 4, "Monthly" },
        { 52, "Yearly" },
        { -1, "--" },
        { 3, "--" },
        { 5, "--" },
        { -7, "--" },
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(frequencyText(static_cast<F>(code)), QString::fromLatin1(text)) << code;
}

RecurringEntry custom(RecurringEntry e, const QString& customTitle)
{
    e.useCustom = 1;
    e.customTitle = customTitle;
    return e;
}

struct ListCase {
    const char* name;
    RecurringEntry entry;
    ListRow row;
    QString named; // the tree item and the report line

    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }
};

class EntryRow : public testing::TestWithParam<ListCase> { };

TEST_P(EntryRow, ShowsNameAmountDatesAndFrequency)
{
    RecordList<RecurringEntry> entries;
    entries.append(GetParam().entry);
    const Listing listing = listEntries(entries, QStringLiteral("Income"));
    ASSERT_EQ(listing.rows.size(), 1u);
    EXPECT_EQ(listing.rows[0], GetParam().row);
    ASSERT_EQ(listing.treeItems.size(), 2u);
    EXPECT_EQ(listing.treeItems[1], (TreeItem { 1, GetParam().named, std::nullopt }));
    EXPECT_EQ(listing.block, GetParam().named + u'\n');
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryRow,
    testing::Values(
        ListCase { "MonthlyWithoutEnd",
            entry(F::Monthly, 1500, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Wages / Salary")),
            { "Wages / Salary", "1500.00", "01 / 01 / 10", "--", "Monthly" },
            "Wages / Salary (1500.00)" },
        ListCase { "WeeklyWithEnd",
            entry(F::Weekly, 20.5f, { 9, 8, 2010 }, test::Date { 31, 12, 2011 }),
            { "Other..", "20.50", "09 / 08 / 10", "31 / 12 / 11", "Weekly" }, "Other.. (20.50)" },
        ListCase { "OneOffHidesItsEndDate",
            entry(F::OneOff, 500, { 1, 8, 2010 }, test::Date { 1, 9, 2010 }),
            { "Other..", "500.00", "01 / 08 / 10", "--", "--" }, "Other.. (500.00)" },
        ListCase { "UnknownCodeHidesItsEndDate",
            entry(static_cast<F>(3), 5, { 1, 8, 2010 }, test::Date { 1, 9, 2010 }),
            { "Other..", "5.00", "01 / 08 / 10", "--", "--" }, "Other.. (5.00)" },
        ListCase { "CustomTitle",
            custom(entry(F::Monthly, 450, { 1, 1, 2010 }), QStringLiteral("Flat")),
            { "Flat", "450.00", "01 / 01 / 10", "--", "Monthly" }, "Flat (450.00)" },
        ListCase { "EmptyCustomTitle", custom(entry(F::Daily, -12, { 30, 2, 2010 }), QString()),
            { "", "-12.00", "30 / 02 / 10", "--", "Daily" }, " (-12.00)" }),
    test::CaseName {});

TEST(EntryList, KeepsRecordOrderUnderItsBranch)
{
    RecordList<RecurringEntry> entries;
    entries.append(entry(F::Weekly, 1, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Vehicle")));
    entries.append(entry(F::Weekly, 2, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Taxes")));
    const Listing listing = listEntries(entries, QStringLiteral("Expenses"));
    const std::vector<TreeItem> expected = { { 0, "Expenses", std::nullopt },
        { 1, "Vehicle (1.00)", std::nullopt }, { 1, "Taxes (2.00)", std::nullopt } };
    EXPECT_EQ(listing.treeItems, expected);
    EXPECT_EQ(listing.block, QStringLiteral("Vehicle (1.00)\nTaxes (2.00)\n"));
    EXPECT_EQ(listEntries({}, QStringLiteral("Income")).block, QString());
}

TEST(AccountDisplayName, FallsBackToTheBankForBlankNames)
{
    struct Case {
        const char* accountName;
        const char* bankName;
        const char* shown;
    };
    const std::vector<Case> cases = {
        { "Main", "Big Bank", "Main" },
        { "   ", "Big Bank", "Big Bank" },
        { "", "Big Bank", "Big Bank" },
        { "", "", "" },
        { " Main ", "", " Main " },
        { "Main", "", "Main" },
    };
    for (const Case& c : cases) {
        const BankAccount a
            = test::account(QString::fromLatin1(c.accountName), QString::fromLatin1(c.bankName), 0);
        EXPECT_EQ(accountDisplayName(a), QString::fromLatin1(c.shown)) << c.accountName;
    }
}

// Account 1 is charged one occurrence of each expense linked to it and not
// paid in cash; expenses linked to no account and income never count.
class Banking : public testing::Test {
protected:
    Profile profile
        = test::profileWith({ test::chargedTo(entry(F::Weekly, 999, { 1, 1, 2010 }), 1) },
            { test::chargedTo(entry(F::Monthly, 300, { 1, 1, 2010 }), 1),
                test::chargedTo(entry(F::Yearly, 1200, { 1, 1, 2010 }), 1),
                test::chargedTo(entry(F::Daily, 50, { 1, 1, 2010 }), 1, 1),
                test::chargedTo(entry(F::Weekly, 70, { 1, 1, 2010 }), 2),
                test::chargedTo(entry(F::Weekly, 80, { 1, 1, 2010 }), 3),
                test::chargedTo(entry(F::Weekly, 90, { 1, 1, 2010 }), 0),
                test::chargedTo(entry(F::Weekly, 95, { 1, 1, 2010 }), -1) },
            { test::account(QStringLiteral("Main"), QStringLiteral("Big Bank"), 1000, 250),
                test::account(QString(), QStringLiteral("Small Bank"), -200) });
};

TEST_F(Banking, ShowsDebitsAndAvailableFunds)
{
    const BankingListing banking = listAccounts(profile);
    const std::vector<ListRow> rows = { { "Main", "1000.00", "1500.00", "250.00", "1250.00" },
        { "Small Bank", "-200.00", "70.00", "0.00", "-200.00" } };
    EXPECT_EQ(banking.listing.rows, rows);
    EXPECT_EQ(banking.totalBalance, 800.0f);
    EXPECT_EQ(banking.listing.block,
        QStringLiteral("Main (Balance: 1000.00)\nSmall Bank (Balance: -200.00)\n"));
}

TEST_F(Banking, GivesEachAccountItsFourFiguresInTheTree)
{
    const std::vector<TreeItem> expected = {
        { 0, "Banking", std::nullopt },
        { 1, "Main", std::nullopt },
        { 2, "Balance: 1000.00", std::nullopt },
        { 2, "Debits / SO: 1500.00", std::nullopt },
        { 2, "Overdraft Limit: 250.00", std::nullopt },
        { 2, "Available Funds: 1250.00", std::nullopt },
        { 1, "Small Bank", std::nullopt },
        { 2, "Balance: -200.00", std::nullopt },
        { 2, "Debits / SO: 70.00", std::nullopt },
        { 2, "Overdraft Limit: 0.00", std::nullopt },
        { 2, "Available Funds: -200.00", std::nullopt },
    };
    EXPECT_EQ(listAccounts(profile).listing.treeItems, expected);
}

TEST(BankingWithoutAccounts, IsAnEmptyBranch)
{
    const BankingListing banking
        = listAccounts(test::profileWith({}, { entry(F::Weekly, 5, { 1, 1, 2010 }) }));
    EXPECT_EQ(
        banking.listing.treeItems, (std::vector<TreeItem> { { 0, "Banking", std::nullopt } }));
    EXPECT_TRUE(banking.listing.rows.empty());
    EXPECT_EQ(banking.listing.block, QString());
    EXPECT_EQ(banking.totalBalance, 0.0f);
}

} // namespace
} // namespace cashvane
