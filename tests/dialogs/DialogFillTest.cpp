#include "DialogTestSupport.h"
#include "ui/dialogs/BankAccountDialog.h"
#include "ui/dialogs/BankTransactionDialog.h"
#include "ui/dialogs/EntryDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace cashvane {
namespace {

// Expense dialog ids.
constexpr int kCategory = 55;
constexpr int kCustom = 56;
constexpr int kCustomTitle = 57;
constexpr int kFrequency = 62;
constexpr int kStartDay = 63;
constexpr int kStartMonth = 64;
constexpr int kStartYear = 65;
constexpr int kEndDay = 66;
constexpr int kEndMonth = 67;
constexpr int kEndYear = 68;
constexpr int kNoEndDate = 69;
constexpr int kAccount = 72;
constexpr int kPaidInCash = 73;
constexpr int kAmount = 75;

Expense storedExpense()
{
    Expense e;
    e.title = "Vehicle";
    e.useCustom = 1;
    e.customTitle = " Van lease ";
    e.frequency = FrequencyCode::Fortnightly;
    e.startDay = 15;
    e.startMonth = 2;
    e.startYear = 1920;
    e.endDay = 28;
    e.endMonth = 12;
    e.endYear = 2050;
    e.noEndDate = 1;
    e.bankIndex = 2;
    e.paidInCash = 0;
    e.amount = 1500.0f;
    return e;
}

Profile withExpense(const Expense& e)
{
    Profile profile = test::twoUnnamedAccounts();
    profile.expenses.append(e);
    return profile;
}

EntryDialog editExpenseDialog(const Profile& profile)
{
    return EntryDialog(ListKind::Expenses, DialogMode::Edit, 1, profile, test::kThirtyFirstOfMarch);
}

TEST(EntryDialogFill, ANewEntryOnTheLastDayOfMarchDefaultsToThatDay)
{
    const Profile none;
    const EntryDialog dialog(
        ListKind::Incomes, DialogMode::Add, -1, none, test::kThirtyFirstOfMarch);
    for (int id : { 39, 42 })
        EXPECT_EQ(test::shownText(dialog, id), "31");
    for (int id : { 40, 43 })
        EXPECT_EQ(test::shownText(dialog, id), "March");
    for (int id : { 41, 44 })
        EXPECT_EQ(test::shownText(dialog, id), "2010");
    EXPECT_EQ(test::shownText(dialog, 38), "Monthly");
    EXPECT_EQ(test::shownText(dialog, 48), "--");
    EXPECT_EQ(dialog.entry().bankIndex, 0) << "\"--\" is stored as no account";
}

TEST(EntryDialogFill, EditShowsEveryFieldOfTheRecord)
{
    const Profile profile = withExpense(storedExpense());
    const EntryDialog dialog = editExpenseDialog(profile);
    EXPECT_EQ(dialog.record(), 1);
    EXPECT_EQ(test::shownText(dialog, kCategory), "Vehicle");
    EXPECT_TRUE(test::isTicked(dialog, kCustom));
    EXPECT_EQ(test::shownText(dialog, kCustomTitle), " Van lease ");
    EXPECT_EQ(test::shownText(dialog, kFrequency), "Fortnightly");
    EXPECT_EQ(test::shownText(dialog, kStartDay), "15");
    EXPECT_EQ(test::shownText(dialog, kStartMonth), "February");
    EXPECT_EQ(test::shownText(dialog, kStartYear), "1920");
    EXPECT_EQ(test::shownText(dialog, kEndDay), "28");
    EXPECT_EQ(test::shownText(dialog, kEndMonth), "December");
    EXPECT_EQ(test::shownText(dialog, kEndYear), "2050");
    EXPECT_TRUE(test::isTicked(dialog, kNoEndDate));
    EXPECT_EQ(test::shownText(dialog, kAccount), "Account #2");
    EXPECT_FALSE(test::isTicked(dialog, kPaidInCash));
    EXPECT_EQ(test::shownText(dialog, kAmount), "1500.00");
    EXPECT_EQ(dialog.entry(), storedExpense()) << "submitting unchanged keeps the record";
}

struct FillCase {
    const char* name;
    std::function<void(Expense&)> stored;
    int id;
    int position; // -1: no selection
    std::function<void(Expense&)> readBack; // what Submit then stores
};

void PrintTo(const FillCase& c, std::ostream* os)
{
    *os << c.name;
}

const FillCase kFillCases[] = {
    { "AnEntryMovedToCashShowsNoAccount",
        [](Expense& e) {
            e.bankIndex = -1;
            e.paidInCash = 1;
        },
        kAccount, 2,
        [](Expense& e) {
            e.bankIndex = 0;
            e.paidInCash = 1;
        } },
    { "AnOldNoAccountValueShowsNoAccount", [](Expense& e) { e.bankIndex = 3; }, kAccount, 2,
        [](Expense& e) { e.bankIndex = 0; } },
    { "YearlyIsCode52", [](Expense& e) { e.frequency = FrequencyCode::Yearly; }, kFrequency, 5,
        [](Expense&) {} },
    { "AnUnknownCodeShowsOneOff", [](Expense& e) { e.frequency = static_cast<FrequencyCode>(3); },
        kFrequency, 0, [](Expense& e) { e.frequency = FrequencyCode::OneOff; } },
    { "AYearAfterTheListShowsNone", [](Expense& e) { e.startYear = 2051; }, kStartYear, -1,
        [](Expense& e) { e.startYear = 1919; } },
    { "AYearBeforeTheListShowsNone", [](Expense& e) { e.endYear = 1919; }, kEndYear, -1,
        [](Expense&) {} },
    { "DayZeroShowsNone", [](Expense& e) { e.startDay = 0; }, kStartDay, -1, [](Expense&) {} },
    { "MonthThirteenShowsNone", [](Expense& e) { e.endMonth = 13; }, kEndMonth, -1,
        [](Expense& e) { e.endMonth = 0; } },
    { "AnUnknownCategoryLeavesTheFirst", [](Expense& e) { e.title = "Rent / Mortgage"; }, kCategory,
        0, [](Expense& e) { e.title = "Rent/Mortgage"; } },
};

class ExpenseFill : public testing::TestWithParam<FillCase> { };

TEST_P(ExpenseFill, ShowsTheStoredValueAndReadsBackWhatItShows)
{
    const FillCase& c = GetParam();
    Expense stored = storedExpense();
    c.stored(stored);
    const Profile profile = withExpense(stored);
    const EntryDialog dialog = editExpenseDialog(profile);

    EXPECT_EQ(test::selectedPosition(dialog, c.id), c.position);
    Expense expected = stored;
    c.readBack(expected);
    EXPECT_EQ(dialog.entry(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExpenseFill, testing::ValuesIn(kFillCases),
    [](const auto& row) { return std::string(row.param.name); });

TEST(BankAccountDialogFill, ShowsAmountsWithTwoDecimals)
{
    Profile profile;
    profile.accounts.append({ "Main", 4, "Big Bank", 1234.5f, -20.0f });
    const BankAccountDialog dialog(DialogMode::Edit, 1, profile);
    EXPECT_EQ(test::shownText(dialog, 80), "Main");
    EXPECT_EQ(test::shownText(dialog, 82), "Post-Office Account");
    EXPECT_EQ(test::shownText(dialog, 84), "Big Bank");
    EXPECT_EQ(test::shownText(dialog, 87), "1234.50");
    EXPECT_EQ(test::shownText(dialog, 89), "-20.00");
    EXPECT_EQ(dialog.account(), profile.accounts.record(1));
}

TEST(BankAccountDialogFill, ReadsTypedTextsAsTheyStandAndAmountsAsNumbers)
{
    const Profile profile;
    const BankAccountDialog dialog(DialogMode::Add, -1, profile);
    test::setText(dialog, 80, " Holiday ");
    test::setText(dialog, 87, "1500.75");
    test::setText(dialog, 89, "12,50");
    test::selectPosition(dialog, 82, -1);
    EXPECT_EQ(dialog.account(), (BankAccount { " Holiday ", -1, "", 1500.75f, 12.0f }));
}

TEST(BankTransactionDialogFill, OffersEveryAccountThenNoAccount)
{
    Profile profile = test::twoUnnamedAccounts();
    profile.accounts.append(test::namedAccount("Savings", "Big Bank"));
    profile.accounts.append(test::namedAccount("", "Post Office"));
    const BankTransactionDialog dialog(TransactionKind::Withdrawal, 2, profile);
    const auto* list = qobject_cast<QComboBox*>(test::control(dialog, 94));
    ASSERT_NE(list, nullptr);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items,
        (QStringList { "Account #1", "Account #2", "Savings(Big Bank)", "Post Office", "--" }));
    EXPECT_EQ(test::shownText(dialog, 94), "Savings(Big Bank)");

    test::setText(dialog, 96, "2.675");
    const TransactionSubmission read = dialog.transaction();
    EXPECT_EQ(read.kind, TransactionKind::Withdrawal);
    EXPECT_EQ(read.account, 3);
    EXPECT_EQ(read.amount, 2.675f);
    test::selectPosition(dialog, 94, 4);
    EXPECT_EQ(dialog.transaction().account, 0);
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    bool submits;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class DialogKeys : public testing::TestWithParam<KeyCase> { };

TEST_P(DialogKeys, EnterSubmitsAndEscapeCancels)
{
    const Profile profile = test::twoUnnamedAccounts();
    BankTransactionDialog dialog(TransactionKind::Deposit, 0, profile);
    int submitted = 0;
    QObject::connect(&dialog, &BankTransactionDialog::submitted, [&] { ++submitted; });
    dialog.show();
    auto* amount = static_cast<QLineEdit*>(test::control(dialog, 96));
    amount->setFocus();
    QTest::keyClick(amount, GetParam().key);
    EXPECT_EQ(submitted, GetParam().submits ? 1 : 0);
    EXPECT_EQ(dialog.isVisible(), GetParam().submits) << "Escape closes the dialog";
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
    testing::Values(KeyCase { "Return", Qt::Key_Return, true },
        KeyCase { "Enter", Qt::Key_Enter, true }, KeyCase { "Escape", Qt::Key_Escape, false }),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace cashvane
