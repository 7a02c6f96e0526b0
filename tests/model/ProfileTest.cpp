#include "model/Choices.h"
#include "model/Profile.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

Expense expenseTitled(const QString& title, std::int32_t bankIndex = 0)
{
    Expense expense;
    expense.title = title;
    expense.bankIndex = bankIndex;
    return expense;
}

TEST(RecordList, HoldsAHundredRecordsAndRefusesMore)
{
    RecordList<Expense> list;
    for (int k = 1; k <= 100; ++k)
        ASSERT_TRUE(list.append(expenseTitled(QString::number(k))));
    EXPECT_TRUE(list.isFull());
    EXPECT_FALSE(list.append(expenseTitled("101")));
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list.record(100).title, "100");
}

TEST(RecordList, RemovalMovesLaterRecordsUpAndKeepsTheirOrder)
{
    RecordList<Expense> list;
    for (int k = 1; k <= 100; ++k)
        list.append(expenseTitled(QString::number(k)));

    list.remove(1);
    ASSERT_EQ(list.count(), 99);
    for (int k = 1; k <= 99; ++k)
        ASSERT_EQ(list.record(k).title, QString::number(k + 1));

    list.remove(99);
    EXPECT_EQ(list.count(), 98);
    EXPECT_EQ(list.record(98).title, "99");

    list.overwrite(2, expenseTitled("new"));
    EXPECT_EQ(list.record(2).title, "new");
    EXPECT_EQ(list.record(3).title, "4");
}

struct UnlinkCase {
    std::int32_t bankIndex;
    std::int32_t paidInCash;
    std::int32_t bankIndexAfter;
    std::int32_t paidInCashAfter;
};

TEST(RemoveAccount, MovesItsEntriesToCashAndKeepsOthersOnTheirOwnAccounts)
{
    // Three accounts; account 2 is removed.
    const UnlinkCase cases[] = {
        {2, 0, -1, 1}, // charged to the removed account: now paid in cash
        {1, 0, 1, 0},  // below it: untouched
        {3, 0, 2, 0},  // above it: follows its account down
        {3, 1, 2, 1},
        {4, 0, 3, 0},  // the old "no account" value, bankCount + 1, stays one past the end
        {0, 0, 0, 0},
        {-1, 1, -1, 1},
    };
    Profile profile;
    for (const char* name : {"First", "Second", "Third"})
        profile.accounts.append({name, 1, {}, 0.0f, 0.0f});
    for (const auto& c : cases) {
        Expense entry = expenseTitled("Taxes", c.bankIndex);
        entry.paidInCash = c.paidInCash;
        profile.expenses.append(entry);
        profile.incomes.append(entry);
    }

    profile.removeAccount(2);

    ASSERT_EQ(profile.bankCount(), 2);
    EXPECT_EQ(profile.accounts.record(2).accountName, "Third");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const int k = static_cast<int>(i) + 1;
        for (const auto* list : {&profile.expenses, &profile.incomes}) {
            EXPECT_EQ(list->record(k).bankIndex, cases[i].bankIndexAfter) << "entry " << k;
            EXPECT_EQ(list->record(k).paidInCash, cases[i].paidInCashAfter) << "entry " << k;
        }
    }
}

TEST(RemoveAccount, RemovingTheOnlyAccountMovesEveryLinkedEntryToCash)
{
    Profile profile;
    profile.accounts.append({"Main", 1, "Big Bank", 10.0f, 0.0f});
    profile.expenses.append(expenseTitled("Rent/Mortgage", 1));
    profile.removeAccount(1);
    EXPECT_EQ(profile.bankCount(), 0);
    EXPECT_EQ(profile.expenses.record(1).bankIndex, -1);
    EXPECT_EQ(profile.expenses.record(1).paidInCash, 1);
}

TEST(AccountLabel, NamesTheAccountByWhatItHas)
{
    struct Case {
        const char* accountName;
        const char* bankName;
        int k;
        const char* label;
    };
    const Case cases[] = {
        {"Main", "Big Bank", 1, "Main(Big Bank)"},
        {"Main", "", 1, "Main"},
        {"", "Big Bank", 1, "Big Bank"},
        {"", "", 3, "Account #3"},
        {"", "", 100, "Account #100"},
        {" ", "", 2, " "},
    };
    for (const auto& c : cases) {
        const BankAccount account{c.accountName, 1, c.bankName, 0.0f, 0.0f};
        EXPECT_EQ(accountLabel(account, c.k).toStdString(), c.label);
    }
}

TEST(EntryName, IsTheCustomTitleOnlyWhenUseCustomIsOne)
{
    Expense expense = expenseTitled("Rent/Mortgage");
    expense.customTitle = "Flat";
    EXPECT_EQ(entryName(expense), "Rent/Mortgage");
    expense.useCustom = 1;
    EXPECT_EQ(entryName(expense), "Flat");
    expense.useCustom = 2;
    EXPECT_EQ(entryName(expense), "Rent/Mortgage");
    expense.useCustom = 1;
    expense.customTitle.clear();
    EXPECT_EQ(entryName(expense), "");
}

TEST(Choices, HoldTheTextsRecordsStore)
{
    EXPECT_EQ(incomeCategories(),
              QStringList({"Wages / Salary", "Business Income", "Interest Received", "Dividends",
                           "Pension", "Benefits", "Other.."}));
    EXPECT_EQ(expenseCategories(),
              QStringList({"Rent/Mortgage", "Utility Bill", "Food/Shopping", "Personal Drawings",
                           "Business Costs", "Insurance", "Vehicle", "Taxes", "Other.."}));
    EXPECT_EQ(accountTypes(),
              QStringList({"Basic Account", "Current Account", "Savings Account",
                           "Business Account", "Post-Office Account", "Online Bank", "Other.."}));
    EXPECT_EQ(accountTypes()[kDefaultAccountType], "Current Account");
}

TEST(Choices, MapFrequencyPositionsToStoredCodes)
{
    const std::pair<int, FrequencyCode> positions[] = {
        {-1, FrequencyCode::OneOff}, {0, FrequencyCode::OneOff},  {1, FrequencyCode::Daily},
        {2, FrequencyCode::Weekly},  {3, FrequencyCode::Fortnightly}, {4, FrequencyCode::Monthly},
        {5, FrequencyCode::Yearly},  {6, FrequencyCode::OneOff},
    };
    for (const auto& [position, code] : positions)
        EXPECT_EQ(frequencyAtPosition(position), code) << "position " << position;

    const std::pair<std::int32_t, int> codes[] = {
        {-1, 0}, {0, 1}, {1, 2}, {2, 3}, {4, 4}, {52, 5}, {3, 0}, {7, 0}, {-2, 0},
    };
    for (const auto& [code, position] : codes)
        EXPECT_EQ(positionOfFrequency(static_cast<FrequencyCode>(code)), position) << "code " << code;
    EXPECT_EQ(frequencyChoices()[4].text, "Monthly");
}

} // namespace
} // namespace cashvane
