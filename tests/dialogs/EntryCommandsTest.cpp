#include "ui/commands/EntryCommands.h"
#include "DialogTestSupport.h"
#include "tests/support/ScriptedPrompts.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace cashvane {
namespace {

const CalendarTime kNow = calendarTime(2010, 3, 31, 9, 0, 0);

// The window's side: a profile, scripted answers and a count of the passes.
class EntryCommandsTest : public testing::Test {
protected:
    EntryCommandsTest()
    {
        for (const char* title : { "Wages / Salary", "Pension", "Benefits" }) {
            IncomeSource income;
            income.title = title;
            profile_.incomes.append(income);
        }
        Expense rent;
        rent.title = "Rent/Mortgage";
        rent.bankIndex = 3;
        profile_.expenses.append(rent);
        profile_.expenses.append(rent);
        for (const char* name : { "Main", "Savings", "Holiday" })
            profile_.accounts.append(test::namedAccount(name, ""));
    }

    QDialog* window(int number) const { return commands_.dialogs().window(number); }

    Profile profile_;
    test::ScriptedPrompts prompts_;
    int passes_ = 0;
    EntryCommands commands_ { prompts_, profile_, [this] { ++passes_; }, [] { return kNow; } };
};

TEST_F(EntryCommandsTest, SubmitAfterAddThenEditEditsTheSelectedRecord)
{
    commands_.add(ListKind::Incomes);
    commands_.edit(ListKind::Incomes, 2);
    QDialog* dialog = window(1);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Edit Income Source");
    test::selectPosition(*dialog, 31, 3);
    test::setText(*dialog, 51, "45.10");

    commands_.submit(1);

    EXPECT_EQ(profile_.incomeCount(), 3);
    EXPECT_EQ(profile_.incomes.record(2).title, "Dividends");
    EXPECT_EQ(profile_.incomes.record(2).amount, 45.1f);
    EXPECT_EQ(profile_.history.entry(1).actionText, "Edit Income: Dividends");
    EXPECT_FALSE(profile_.profileSaved);
    EXPECT_EQ(passes_, 1);
    EXPECT_EQ(window(1), nullptr) << "Submit closes the dialog";
}

TEST_F(EntryCommandsTest, AddAppendsWithTheDialogsDefaults)
{
    commands_.add(ListKind::Expenses);
    commands_.submit(2);

    ASSERT_EQ(profile_.expenseCount(), 3);
    const Expense& added = profile_.expenses.record(3);
    EXPECT_EQ(added.title, "Rent/Mortgage");
    EXPECT_EQ(added.frequency, FrequencyCode::Monthly);
    EXPECT_EQ(added.startDay, 31);
    EXPECT_EQ(added.startMonth, 3);
    EXPECT_EQ(added.startYear, 2010);
    EXPECT_EQ(added.bankIndex, 1);
    EXPECT_EQ(added.amount, 0.0f);
    EXPECT_EQ(
        profile_.history.entry(1), (HistoryEntry { "31/03/2010", "Add Expense: Rent/Mortgage" }));
}

TEST_F(EntryCommandsTest, EditAndRemoveWithoutASelectedRowDoNothing)
{
    const Profile before = profile_;
    commands_.edit(ListKind::Accounts, 0);
    commands_.remove(ListKind::Incomes, 0);
    commands_.remove(ListKind::Expenses, 3);
    EXPECT_EQ(window(3), nullptr);
    EXPECT_EQ(profile_, before);
    EXPECT_EQ(passes_, 0);
}

TEST_F(EntryCommandsTest, CancelClosesAndChangesNothing)
{
    const Profile before = profile_;
    commands_.edit(ListKind::Accounts, 1);
    test::setText(*window(3), 80, "Renamed");
    commands_.cancel(3);
    EXPECT_EQ(window(3), nullptr);
    EXPECT_EQ(profile_, before);
}

TEST_F(EntryCommandsTest, ARemovalClosesAnEditOfTheRecordsItMoved)
{
    commands_.edit(ListKind::Incomes, 3);
    commands_.edit(ListKind::Expenses, 1);
    commands_.remove(ListKind::Incomes, 2);
    EXPECT_EQ(window(1), nullptr) << "income 3 is now income 2";
    EXPECT_NE(window(2), nullptr) << "the expenses did not move";
    EXPECT_EQ(profile_.history.entry(1).actionText, "Delete Income: Pension");
    EXPECT_EQ(passes_, 1);

    commands_.edit(ListKind::Incomes, 1);
    commands_.remove(ListKind::Incomes, 2);
    EXPECT_NE(window(1), nullptr) << "income 1 did not move";
}

TEST_F(EntryCommandsTest, AccountListsOfOpenDialogsFollowARemovedAccount)
{
    commands_.edit(ListKind::Expenses, 1); // charged to Holiday, account 3
    commands_.registerTransaction(TransactionKind::Deposit, 1); // Savings
    commands_.remove(ListKind::Accounts, 2);

    EXPECT_EQ(test::shownText(*window(2), 72), "Holiday");
    EXPECT_EQ(test::shownText(*window(4), 94), "--");
    commands_.submit(2);
    EXPECT_EQ(profile_.expenses.record(1).bankIndex, 2) << "still Holiday";
    commands_.submit(4);
    EXPECT_EQ(profile_.history.entry(1).actionText, "Deposit: 0.00->");
}

TEST_F(EntryCommandsTest, AnAddedOrRenamedAccountReachesOpenDialogs)
{
    commands_.add(ListKind::Incomes);
    test::selectPosition(*window(1), 48, 3); // "--"
    commands_.edit(ListKind::Accounts, 1);
    test::setText(*window(3), 80, "Current");
    commands_.submit(3);
    commands_.add(ListKind::Accounts);
    commands_.submit(3);

    QDialog& income = *window(1);
    EXPECT_EQ(test::shownText(income, 48), "--");
    test::selectPosition(income, 48, 0);
    EXPECT_EQ(test::shownText(income, 48), "Current");
    test::selectPosition(income, 48, 3);
    EXPECT_EQ(test::shownText(income, 48), "Account #4");
    commands_.submit(1);
    EXPECT_EQ(profile_.incomes.record(4).bankIndex, 4);
}

TEST_F(EntryCommandsTest, ADepositThroughTheDialogIsHeldInSinglePrecision)
{
    commands_.registerTransaction(TransactionKind::Deposit, 1);
    test::setText(*window(4), 96, "2.675");
    commands_.submit(4);
    EXPECT_EQ(profile_.accounts.record(2).balance, 102.675f);
    EXPECT_EQ(profile_.history.entry(1).actionText, "Deposit: 2.67->Savings");

    commands_.registerTransaction(TransactionKind::Withdrawal, -1);
    EXPECT_EQ(test::selectedPosition(*window(4), 94), -1);
    test::setText(*window(4), 96, "");
    commands_.submit(4);
    EXPECT_EQ(profile_.history.entry(1).actionText, "Withdraw: 0.00->");
    EXPECT_EQ(passes_, 2);
}

TEST_F(EntryCommandsTest, AFullListRefusesAnAddWithAMessage)
{
    while (!profile_.incomes.isFull())
        profile_.incomes.append({});
    const Profile before = profile_;
    prompts_.answer(Answer::Ok);

    commands_.add(ListKind::Incomes);

    EXPECT_EQ(window(1), nullptr);
    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].title, "List Full");
    EXPECT_EQ(prompts_.shown[0].text,
        "This profile already holds 100 income sources.\nRemove one before adding another.");
    EXPECT_EQ(profile_, before);
}

TEST_F(EntryCommandsTest, AListThatFilledWhileTheDialogWasOpenKeepsItOpen)
{
    commands_.add(ListKind::Accounts);
    test::setText(*window(3), 80, "Typed meanwhile");
    while (!profile_.accounts.isFull())
        profile_.accounts.append({});
    const Profile before = profile_;
    prompts_.answer(Answer::Ok);

    commands_.submit(3);

    EXPECT_EQ(profile_, before);
    EXPECT_EQ(prompts_.shown.size(), 1u);
    ASSERT_NE(window(3), nullptr) << "what was typed is not lost";
    EXPECT_EQ(test::shownText(*window(3), 80), "Typed meanwhile");
}

TEST_F(EntryCommandsTest, ANewProfileClosesEveryDialog)
{
    commands_.add(ListKind::Incomes);
    commands_.edit(ListKind::Expenses, 1);
    commands_.edit(ListKind::Accounts, 1);
    commands_.registerTransaction(TransactionKind::Deposit, 0);
    commands_.profileReplaced();
    for (int number = 1; number <= 4; ++number)
        EXPECT_EQ(window(number), nullptr) << number;
}

} // namespace
} // namespace cashvane
