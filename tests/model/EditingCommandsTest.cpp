#include "model/EditingCommands.h"
#include "model/Money.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace cashvane {
namespace {

const CalendarTime kNow = calendarTime(2010, 8, 11, 12, 0, 0);

RecurringEntry entry(const QString& title, std::int32_t bankIndex, float amount)
{
    RecurringEntry e;
    e.title = title;
    e.frequency = FrequencyCode::Monthly;
    e.startDay = 1;
    e.startMonth = 8;
    e.startYear = 2010;
    e.bankIndex = bankIndex;
    e.amount = amount;
    return e;
}

BankAccount account(const QString& name, float balance)
{
    return { name, 1, QStringLiteral("Big Bank"), balance, 250.0f };
}

// Three of everything; expense k and income k are charged to account k, and
// the third account has no name.
Profile threeOfEach()
{
    Profile p;
    p.incomes.append(entry("Wages / Salary", 1, 1500.0f));
    p.incomes.append(entry("Pension", 2, 300.0f));
    p.incomes.append(entry("Benefits", 3, 80.0f));
    p.expenses.append(entry("Rent/Mortgage", 1, 450.0f));
    p.expenses.append(entry("Utility Bill", 2, 60.0f));
    p.expenses.append(entry("Taxes", 3, 90.0f));
    p.accounts.append(account("Main", 1000.0f));
    p.accounts.append(account("Savings", 0.0f));
    p.accounts.append(account("", 20.0f));
    return p;
}

struct CommandCase {
    const char* name;
    std::function<EditResult(Profile&)> command;
    QString historyLine;
    std::function<void(Profile&)> expectedChange; // applied to a copy of the fixture
};

EditResult done(const std::function<void()>& command)
{
    command();
    return EditResult::Done;
}

RecurringEntry customPension()
{
    RecurringEntry e = entry("Pension", 0, 120.0f);
    e.useCustom = 1;
    e.customTitle = "Dad's pension";
    return e;
}

const CommandCase kCommands[] = {
    { "AddIncomeLogsTheCategoryNotTheCustomName",
        [](Profile& p) { return addIncome(p, customPension(), kNow); }, "Add Income: Pension",
        [](Profile& p) { p.incomes.append(customPension()); } },
    { "EditIncomeRewritesTheRecordInPlace",
        [](Profile& p) { return editIncome(p, 2, entry("Dividends", 0, 45.0f), kNow); },
        "Edit Income: Dividends",
        [](Profile& p) { p.incomes.overwrite(2, entry("Dividends", 0, 45.0f)); } },
    { "RemoveIncomeTwoOfThreeMovesTheThirdUp", [](Profile& p) { return removeIncome(p, 2, kNow); },
        "Delete Income: Pension", [](Profile& p) { p.incomes.remove(2); } },
    { "AddExpenseWithAZeroAmount",
        [](Profile& p) {
            return addExpense(p, entry("Rent/Mortgage", 0, parseAmount(u"00.00")), kNow);
        },
        "Add Expense: Rent/Mortgage",
        [](Profile& p) { p.expenses.append(entry("Rent/Mortgage", 0, 0.0f)); } },
    { "EditExpense", [](Profile& p) { return editExpense(p, 3, entry("Vehicle", 2, 75.5f), kNow); },
        "Edit Expense: Vehicle",
        [](Profile& p) { p.expenses.overwrite(3, entry("Vehicle", 2, 75.5f)); } },
    { "RemoveExpense", [](Profile& p) { return removeExpense(p, 1, kNow); },
        "Delete Expense: Rent/Mortgage", [](Profile& p) { p.expenses.remove(1); } },
    { "AddBankAccountKeepsTheBalanceTyped",
        [](Profile& p) {
            return addBankAccount(p, account("Holiday", parseAmount(u"1500.75")), kNow);
        },
        "Add Bank: Holiday", [](Profile& p) { p.accounts.append(account("Holiday", 1500.75f)); } },
    { "EditBankAccount",
        [](Profile& p) { return editBankAccount(p, 1, account("Main", 1500.75f), kNow); },
        "Edit Bank: Main", [](Profile& p) { p.accounts.overwrite(1, account("Main", 1500.75f)); } },
    { "RemoveAccountOneOfThreeKeepsTheOthersEntriesOnTheirAccounts",
        [](Profile& p) { return removeBankAccount(p, 1, kNow); }, "Delete Bank: Main",
        [](Profile& p) {
            p.accounts.remove(1);
            for (auto* list : { &p.incomes, &p.expenses }) {
                list->record(1).bankIndex = -1;
                list->record(1).paidInCash = 1;
                list->record(2).bankIndex = 1;
                list->record(3).bankIndex = 2;
            }
        } },
    { "RemoveAnAccountWithoutAName", [](Profile& p) { return removeBankAccount(p, 3, kNow); },
        "Delete Bank: ",
        [](Profile& p) {
            p.accounts.remove(3);
            for (auto* list : { &p.incomes, &p.expenses }) {
                list->record(3).bankIndex = -1;
                list->record(3).paidInCash = 1;
            }
        } },
    { "Deposit", [](Profile& p) { return done([&] { registerDeposit(p, 2, 250.0f, kNow); }); },
        "Deposit: 250.00->Savings", [](Profile& p) { p.accounts.record(2).balance = 250.0f; } },
    // 2.675 is held as 2.67499995..., so it shows as 2.67 and adds exactly that.
    { "DepositInSinglePrecision",
        [](Profile& p) {
            return done([&] { registerDeposit(p, 2, parseAmount(u"2.675"), kNow); });
        },
        "Deposit: 2.67->Savings", [](Profile& p) { p.accounts.record(2).balance = 2.675f; } },
    { "Withdrawal", [](Profile& p) { return done([&] { registerWithdrawal(p, 1, 40.5f, kNow); }); },
        "Withdraw: 40.50->Main", [](Profile& p) { p.accounts.record(1).balance = 959.5f; } },
    { "WithdrawalBeyondTheOverdraftIsNotChecked",
        [](Profile& p) { return done([&] { registerWithdrawal(p, 3, 5000.0f, kNow); }); },
        "Withdraw: 5000.00->", [](Profile& p) { p.accounts.record(3).balance = -4980.0f; } },
    { "DepositWithNoAccountChangesNoBalance",
        [](Profile& p) { return done([&] { registerDeposit(p, 0, parseAmount(u""), kNow); }); },
        "Deposit: 0.00->", [](Profile&) {} },
    { "DepositToTheNoAccountItemChangesNoBalance",
        [](Profile& p) { return done([&] { registerDeposit(p, 4, 10.0f, kNow); }); },
        "Deposit: 10.00->", [](Profile&) {} },
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.name;
}

class EditingCommand : public testing::TestWithParam<CommandCase> { };

TEST_P(EditingCommand, ChangesTheRecordsLogsOneLineAndMarksTheProfileChanged)
{
    const CommandCase& c = GetParam();
    Profile profile = threeOfEach();
    Profile expected = profile;
    c.expectedChange(expected);

    EXPECT_EQ(c.command(profile), EditResult::Done);

    EXPECT_EQ(profile.incomes, expected.incomes);
    EXPECT_EQ(profile.expenses, expected.expenses);
    EXPECT_EQ(profile.accounts, expected.accounts);
    EXPECT_EQ(profile.history.entry(1), (HistoryEntry { "11/08/2010", c.historyLine }));
    EXPECT_EQ(profile.history.entry(2), HistoryEntry {});
    EXPECT_FALSE(profile.profileSaved);
}

INSTANTIATE_TEST_SUITE_P(AllCommands, EditingCommand, testing::ValuesIn(kCommands),
    [](const auto& row) { return std::string(row.param.name); });

TEST(EditingCommands, RemovingTheOnlyAccountMovesItsEntriesToCash)
{
    Profile profile;
    profile.accounts.append(account("Main", 10.0f));
    profile.incomes.append(entry("Pension", 1, 300.0f));
    profile.expenses.append(entry("Taxes", 1, 90.0f));
    profile.expenses.append(entry("Vehicle", 0, 20.0f));

    ASSERT_EQ(removeBankAccount(profile, 1, kNow), EditResult::Done);

    EXPECT_EQ(profile.bankCount(), 0);
    EXPECT_EQ(profile.incomes.record(1).bankIndex, -1);
    EXPECT_EQ(profile.incomes.record(1).paidInCash, 1);
    EXPECT_EQ(profile.expenses.record(1).bankIndex, -1);
    EXPECT_EQ(profile.expenses.record(1).paidInCash, 1);
    EXPECT_EQ(profile.expenses.record(2).bankIndex, 0);
    EXPECT_EQ(profile.expenses.record(2).paidInCash, 0);
}

struct RefusalCase {
    const char* name;
    std::function<EditResult(Profile&)> command;
    EditResult result;
};

Profile fullLists()
{
    Profile p;
    for (int k = 1; k <= 100; ++k) {
        p.incomes.append(entry("Pension", 0, 1.0f));
        p.expenses.append(entry("Taxes", 0, 1.0f));
        p.accounts.append(account(QString::number(k), 1.0f));
    }
    return p;
}

const RefusalCase kRefusals[] = {
    { "AddIncomeToAFullList",
        [](Profile& p) { return addIncome(p, entry("Pension", 0, 1.0f), kNow); },
        EditResult::ListFull },
    { "AddExpenseToAFullList",
        [](Profile& p) { return addExpense(p, entry("Taxes", 0, 1.0f), kNow); },
        EditResult::ListFull },
    { "AddBankAccountToAFullList",
        [](Profile& p) { return addBankAccount(p, account("New", 1.0f), kNow); },
        EditResult::ListFull },
    { "EditIncomePastTheEnd", [](Profile& p) { return editIncome(p, 101, {}, kNow); },
        EditResult::NoSuchRecord },
    { "EditExpenseZero", [](Profile& p) { return editExpense(p, 0, {}, kNow); },
        EditResult::NoSuchRecord },
    { "EditBankAccountPastTheEnd", [](Profile& p) { return editBankAccount(p, 101, {}, kNow); },
        EditResult::NoSuchRecord },
    { "RemoveIncomeZero", [](Profile& p) { return removeIncome(p, 0, kNow); },
        EditResult::NoSuchRecord },
    { "RemoveExpensePastTheEnd", [](Profile& p) { return removeExpense(p, 101, kNow); },
        EditResult::NoSuchRecord },
    { "RemoveBankAccountNegative", [](Profile& p) { return removeBankAccount(p, -1, kNow); },
        EditResult::NoSuchRecord },
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedCommand : public testing::TestWithParam<RefusalCase> { };

TEST_P(RefusedCommand, ChangesNothingAndLogsNothing)
{
    Profile profile = fullLists();
    const Profile before = profile;
    EXPECT_EQ(GetParam().command(profile), GetParam().result);
    EXPECT_EQ(profile, before);
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedCommand, testing::ValuesIn(kRefusals),
    [](const auto& row) { return std::string(row.param.name); });

TEST(EditingCommands, TheHundredthCommandAfterAClearDropsTheFirstLine)
{
    Profile profile = threeOfEach();
    profile.history.logAction("Add Bank: Old", kNow);
    profile.history.clearHistory();
    for (int i = 1; i <= 100; ++i)
        registerDeposit(profile, 1, static_cast<float>(i), kNow);

    EXPECT_EQ(profile.history.entry(1).actionText, "Deposit: 100.00->Main");
    EXPECT_EQ(profile.history.entry(99).actionText, "Deposit: 2.00->Main");
    EXPECT_EQ(profile.accounts.record(1).balance, 6050.0f);
}

} // namespace
} // namespace cashvane
