#include "DialogTestSupport.h"
#include "ui/dialogs/BankAccountDialog.h"
#include "ui/dialogs/BankTransactionDialog.h"
#include "ui/dialogs/EntryDialog.h"

#include <QRect>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace cashvane {
namespace {

struct ControlRow {
    int id;
    const char* kind;
    QRect geometry;
    QString shown; // caption, initial text or selected item
};

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> open;
    QString objectName;
    QString title;
    QSize clientSize;
    std::vector<ControlRow> controls; // in creation, and so Tab, order
    std::vector<int> tabOrder;
};

std::vector<ControlRow> entryControls(
    int first, const QString& firstCaption, const QString& category)
{
    return {
        { first, "QGroupBox", { 0, 0, 380, 80 }, firstCaption },
        { first + 1, "QComboBox", { 10, 20, 360, 20 }, category },
        { first + 2, "QCheckBox", { 10, 50, 60, 20 }, "Custom" },
        { first + 3, "QLineEdit", { 80, 50, 290, 20 }, "" },
        { first + 4, "QGroupBox", { 0, 80, 380, 140 }, "Recurrence" },
        { first + 5, "QLabel", { 10, 100, 80, 20 }, "Frequency" },
        { first + 6, "QLabel", { 10, 130, 80, 20 }, "Start Date" },
        { first + 7, "QLabel", { 10, 160, 80, 20 }, "End Date" },
        { first + 8, "QComboBox", { 100, 100, 270, 20 }, "Monthly" },
        { first + 9, "QComboBox", { 100, 130, 80, 20 }, "31" },
        { first + 10, "QComboBox", { 180, 130, 110, 20 }, "March" },
        { first + 11, "QComboBox", { 290, 130, 80, 20 }, "2010" },
        { first + 12, "QComboBox", { 100, 160, 80, 20 }, "31" },
        { first + 13, "QComboBox", { 180, 160, 110, 20 }, "March" },
        { first + 14, "QComboBox", { 290, 160, 80, 20 }, "2010" },
        { first + 15, "QCheckBox", { 10, 190, 80, 20 }, "No End Date" },
        { first + 16, "QGroupBox", { 0, 220, 380, 80 }, "Payment Method" },
        { first + 17, "QLabel", { 10, 240, 80, 20 }, "Bank Account" },
        { first + 18, "QComboBox", { 100, 240, 270, 20 }, "Account #1" },
        { first + 19, "QCheckBox", { 10, 270, 80, 20 }, "Paid In Cash" },
        { first + 20, "QGroupBox", { 0, 300, 380, 50 }, "Amount" },
        { first + 21, "QLineEdit", { 10, 320, 360, 20 }, "00.00" },
        { first + 22, "QPushButton", { 290, 360, 90, 20 }, "Submit" },
        { first + 23, "QPushButton", { 190, 360, 90, 20 }, "Cancel" },
    };
}

// Group boxes and labels take no focus; everything else in creation order.
std::vector<int> entryTabOrder(int first)
{
    std::vector<int> order;
    for (int offset : { 1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19, 21, 22, 23 })
        order.push_back(first + offset);
    return order;
}

const Profile kAccounts = test::twoUnnamedAccounts();

std::vector<WindowCase> windowCases()
{
    return {
        { "IncomeDialog",
            [] {
                return std::make_unique<EntryDialog>(
                    ListKind::Incomes, DialogMode::Add, -1, kAccounts, test::kThirtyFirstOfMarch);
            },
            "window-1", "Add Income Source", { 384, 392 },
            entryControls(30, "Income Source", "Wages / Salary"), entryTabOrder(30) },
        { "ExpenseDialog",
            [] {
                return std::make_unique<EntryDialog>(
                    ListKind::Expenses, DialogMode::Add, -1, kAccounts, test::kThirtyFirstOfMarch);
            },
            "window-2", "Add Expense", { 384, 392 },
            entryControls(54, "Expense Description", "Rent/Mortgage"), entryTabOrder(54) },
        { "BankAccountDialog",
            [] { return std::make_unique<BankAccountDialog>(DialogMode::Add, -1, kAccounts); },
            "window-3", "Add Bank Account", { 435, 236 },
            {
                { 78, "QGroupBox", { 0, 0, 430, 110 }, "Account Description" },
                { 79, "QLabel", { 10, 20, 80, 20 }, "Account Name" },
                { 80, "QLineEdit", { 100, 20, 320, 20 }, "" },
                { 81, "QLabel", { 10, 50, 80, 20 }, "Account Type" },
                { 82, "QComboBox", { 100, 50, 320, 20 }, "Current Account" },
                { 83, "QLabel", { 10, 80, 80, 20 }, "Bank Name" },
                { 84, "QLineEdit", { 100, 80, 320, 20 }, "" },
                { 85, "QGroupBox", { 0, 110, 430, 80 }, "Account Detail" },
                { 86, "QLabel", { 10, 130, 80, 20 }, "Current Balance" },
                { 87, "QLineEdit", { 100, 130, 320, 20 }, "00.00" },
                { 88, "QLabel", { 10, 160, 80, 20 }, "Overdraft Limit" },
                { 89, "QLineEdit", { 100, 160, 320, 20 }, "00.00" },
                { 90, "QPushButton", { 340, 200, 90, 20 }, "Submit" },
                { 91, "QPushButton", { 240, 200, 90, 20 }, "Cancel" },
            },
            { 80, 82, 84, 87, 89, 90, 91 } },
        { "DepositDialog",
            [] {
                return std::make_unique<BankTransactionDialog>(
                    TransactionKind::Deposit, 1, kAccounts);
            },
            "window-4", "Register Deposit", { 386, 124 },
            {
                { 92, "QGroupBox", { 0, 0, 380, 80 }, "Bank Transaction" },
                { 93, "QLabel", { 10, 20, 70, 20 }, "Account" },
                { 94, "QComboBox", { 90, 20, 280, 20 }, "Account #2" },
                { 95, "QLabel", { 10, 50, 70, 20 }, "Deposit" },
                { 96, "QLineEdit", { 90, 50, 280, 20 }, "00.00" },
                { 97, "QPushButton", { 290, 90, 90, 20 }, "Submit" },
                { 98, "QPushButton", { 190, 90, 90, 20 }, "Cancel" },
            },
            { 94, 96, 97, 98 } },
        { "WithdrawalDialog",
            [] {
                return std::make_unique<BankTransactionDialog>(
                    TransactionKind::Withdrawal, -1, kAccounts);
            },
            "window-4", "Register Withdrawal", { 386, 124 },
            {
                { 94, "QComboBox", { 90, 20, 280, 20 }, "" },
                { 95, "QLabel", { 10, 50, 70, 20 }, "Withdraw" },
            },
            { 94, 96, 97, 98 } },
    };
}

class DialogLayout : public testing::TestWithParam<WindowCase> { };

void PrintTo(const WindowCase& c, std::ostream* os)
{
    *os << c.name;
}

TEST_P(DialogLayout, PlacesEveryControlWithItsIdKindGeometryAndText)
{
    const WindowCase& c = GetParam();
    const std::unique_ptr<QDialog> window = c.open();
    EXPECT_EQ(window->objectName(), c.objectName);
    EXPECT_EQ(window->windowTitle(), c.title);
    EXPECT_EQ(window->size(), c.clientSize);
    EXPECT_EQ(window->minimumSize(), c.clientSize);
    EXPECT_EQ(window->maximumSize(), c.clientSize);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(window->parent(), nullptr);
    EXPECT_FALSE(window->isModal());

    for (const ControlRow& row : c.controls) {
        SCOPED_TRACE(row.id);
        const QWidget* widget = test::control(*window, row.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), row.kind);
        EXPECT_EQ(widget->geometry(), row.geometry);
        EXPECT_EQ(test::shownText(*window, row.id), row.shown);
    }
}

TEST_P(DialogLayout, TabMovesThroughTheControlsInTheOrderTheyWereCreated)
{
    const WindowCase& c = GetParam();
    const std::unique_ptr<QDialog> window = c.open();
    QWidget* widget = test::control(*window, c.tabOrder.front());
    ASSERT_NE(widget, nullptr);
    for (int id : c.tabOrder) {
        EXPECT_EQ(widget->objectName(), QStringLiteral("control-%1").arg(id));
        widget = widget->nextInFocusChain();
        while (widget != window.get()
            && (!(widget->focusPolicy() & Qt::TabFocus) || widget->parentWidget() != window.get()))
            widget = widget->nextInFocusChain();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DialogLayout, testing::ValuesIn(windowCases()),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DialogLayout, TitlesFollowTheMode)
{
    Profile profile;
    profile.incomes.append({});
    profile.expenses.append({});
    profile.accounts.append({});
    const CalendarDate today = test::kThirtyFirstOfMarch;
    EXPECT_EQ(EntryDialog(ListKind::Incomes, DialogMode::Edit, 1, profile, today).windowTitle(),
        "Edit Income Source");
    EXPECT_EQ(EntryDialog(ListKind::Expenses, DialogMode::Edit, 1, profile, today).windowTitle(),
        "Edit Expense");
    EXPECT_EQ(BankAccountDialog(DialogMode::Edit, 1, profile).windowTitle(), "Edit Bank Account");
}

} // namespace
} // namespace cashvane
