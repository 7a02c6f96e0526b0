// The two dispatch tables: a menu item id or a control id, and the command it
// runs. Ids not in a table do nothing.
#include "CommandEntryPoints.h"
#include "ControlIds.h"
#include "Program.h"
#include "ProgramCommands.h"

#include <QTabWidget>

#include <span>

namespace cashvane {

namespace {

using Run = void (*)(Program&);

struct CommandRow {
    int id;
    Run run;
};

void showFinancePage(Program& program, int page)
{
    program.window().financePanel()->setCurrentIndex(page);
}

int pageOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Income:
        return page::kIncome;
    case EntryKind::Expense:
        return page::kExpenses;
    case EntryKind::BankAccount:
        break;
    }
    return page::kBanking;
}

QTableWidget* listOf(Program& program, EntryKind kind)
{
    switch (kind) {
    case EntryKind::Income:
        return program.window().incomeList();
    case EntryKind::Expense:
        return program.window().expenseList();
    case EntryKind::BankAccount:
        break;
    }
    return program.window().bankingList();
}

// The buttons sit on the page they act on; the menu forms show that page.
template <EntryKind kind> void addEntry(Program& program)
{
    openEntryDialogCommand(program, kind, kNewRecord);
}

template <EntryKind kind> void editEntry(Program& program)
{
    if (const int record = Program::selectedRecord(listOf(program, kind)); record > 0)
        openEntryDialogCommand(program, kind, record);
}

template <EntryKind kind> void removeEntry(Program& program)
{
    if (const int record = Program::selectedRecord(listOf(program, kind)); record > 0)
        removeEntryCommand(program, kind, record);
}

template <EntryKind kind> void addEntryFromMenu(Program& program)
{
    showFinancePage(program, pageOf(kind));
    addEntry<kind>(program);
}

// The selection is read before the page changes, so the row last selected in
// that list counts even when another page was showing.
template <EntryKind kind>
void changeEntryFromMenu(Program& program, void (*change)(Program&, EntryKind, int))
{
    const int record = Program::selectedRecord(listOf(program, kind));
    showFinancePage(program, pageOf(kind));
    if (record > 0)
        change(program, kind, record);
}

template <EntryKind kind> void editEntryFromMenu(Program& program)
{
    changeEntryFromMenu<kind>(program, openEntryDialogCommand);
}

template <EntryKind kind> void removeEntryFromMenu(Program& program)
{
    changeEntryFromMenu<kind>(program, removeEntryCommand);
}

template <Transaction transaction> void openTransaction(Program& program)
{
    openTransactionDialogCommand(program, transaction);
}

template <Transaction transaction> void openTransactionFromMenu(Program& program)
{
    showFinancePage(program, page::kBanking);
    openTransactionDialogCommand(program, transaction);
}

template <int page> void showPage(Program& program)
{
    showFinancePage(program, page);
}

template <int page> void showAccountPage(Program& program)
{
    program.window().accountPanel()->setCurrentIndex(page);
}

template <DialogWindow window> void submitDialog(Program& program)
{
    submitDialogCommand(program, window);
}

template <DialogWindow window> void cancelDialog(Program& program)
{
    cancelDialogCommand(program, window);
}

void recalculate(Program& program)
{
    program.recalculate();
}

const CommandRow kMenuTable[] = {
    { menu::kNewProfile, newProfileCommand },
    { menu::kOpenSession, openSessionCommand },
    { menu::kSaveSession, saveSessionCommand },
    { menu::kSaveSessionAs, saveSessionAsCommand },
    { menu::kExit, exitCommand },
    { menu::kProfileSummary, showAccountPage<page::kOverview> },
    { menu::kShowHistory, showAccountPage<page::kHistory> },
    { menu::kRecalculate, recalculate },
    { menu::kExportReport, exportQuickReport },
    { menu::kAddIncome, addEntryFromMenu<EntryKind::Income> },
    { menu::kEditIncome, editEntryFromMenu<EntryKind::Income> },
    { menu::kRemoveIncome, removeEntryFromMenu<EntryKind::Income> },
    { menu::kAddExpense, addEntryFromMenu<EntryKind::Expense> },
    { menu::kEditExpense, editEntryFromMenu<EntryKind::Expense> },
    { menu::kRemoveExpense, removeEntryFromMenu<EntryKind::Expense> },
    { menu::kAddAccount, addEntryFromMenu<EntryKind::BankAccount> },
    { menu::kEditAccount, editEntryFromMenu<EntryKind::BankAccount> },
    { menu::kRemoveAccount, removeEntryFromMenu<EntryKind::BankAccount> },
    { menu::kDeposit, openTransactionFromMenu<Transaction::Deposit> },
    { menu::kWithdrawal, openTransactionFromMenu<Transaction::Withdrawal> },
    { menu::kAtAGlance, showPage<page::kAtAGlance> },
    { menu::kIncomePage, showPage<page::kIncome> },
    { menu::kExpensesPage, showPage<page::kExpenses> },
    { menu::kBankingPage, showPage<page::kBanking> },
    { menu::kCashflowPage, showPage<page::kCashflow> },
    { menu::kGettingStarted, openGuide },
    { menu::kUserManual, openManual },
    { menu::kAbout, showAbout },
    { menu::kWebsite, openWebsite },
};

const CommandRow kControlTable[] = {
    { control::kAddIncome, addEntry<EntryKind::Income> },
    { control::kEditIncome, editEntry<EntryKind::Income> },
    { control::kRemoveIncome, removeEntry<EntryKind::Income> },
    { control::kAddExpense, addEntry<EntryKind::Expense> },
    { control::kEditExpense, editEntry<EntryKind::Expense> },
    { control::kRemoveExpense, removeEntry<EntryKind::Expense> },
    { control::kAddAccount, addEntry<EntryKind::BankAccount> },
    { control::kEditAccount, editEntry<EntryKind::BankAccount> },
    { control::kRemoveAccount, removeEntry<EntryKind::BankAccount> },
    { control::kDeposit, openTransaction<Transaction::Deposit> },
    { control::kWithdraw, openTransaction<Transaction::Withdrawal> },
    { control::kRefreshReport, refreshReport },
    { control::kExportReport, exportQuickReport },
    { control::kClearHistory, clearHistory },
    { control::kIncomeSubmit, submitDialog<DialogWindow::Income> },
    { control::kIncomeCancel, cancelDialog<DialogWindow::Income> },
    { control::kExpenseSubmit, submitDialog<DialogWindow::Expense> },
    { control::kExpenseCancel, cancelDialog<DialogWindow::Expense> },
    { control::kAccountSubmit, submitDialog<DialogWindow::BankAccount> },
    { control::kAccountCancel, cancelDialog<DialogWindow::BankAccount> },
    { control::kTransactionSubmit, submitDialog<DialogWindow::BankTransaction> },
    { control::kTransactionCancel, cancelDialog<DialogWindow::BankTransaction> },
};

void runRow(std::span<const CommandRow> table, int id, Program& program)
{
    for (const CommandRow& row : table) {
        if (row.id == id) {
            row.run(program);
            return;
        }
    }
}

} // namespace

void Program::runMenuCommand(int id)
{
    runRow(kMenuTable, id, *this);
}

void Program::runControlEvent(int id)
{
    runRow(kControlTable, id, *this);
}

bool Program::closeRequested()
{
    if (!windowCloseCommand(*this))
        return false;
    shutDown();
    return true;
}

} // namespace cashvane
