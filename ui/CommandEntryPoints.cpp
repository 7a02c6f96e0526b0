#include "CommandEntryPoints.h"

#include "Program.h"
#include "commands/FileCommands.h"

#include <QLabel>

namespace cashvane {

namespace {

ListKind listOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Income:
        return ListKind::Incomes;
    case EntryKind::Expense:
        return ListKind::Expenses;
    case EntryKind::BankAccount:
        break;
    }
    return ListKind::Accounts;
}

// Does what a file command left for the window to do.
void follow(Program& program, NextStep step)
{
    switch (step) {
    case NextStep::Stay:
        break;
    case NextStep::ShowProfileName:
        program.window().profileNameLabel()->setText(program.profile().profileName);
        break;
    case NextStep::ProfileReplaced:
        program.entries().profileReplaced();
        program.recalculate();
        break;
    case NextStep::Quit:
        Program::shutDown();
        break;
    }
}

} // namespace

void newProfileCommand(Program& program)
{
    follow(program, newProfile(program.prompts(), program.profile()));
}

void openSessionCommand(Program& program)
{
    follow(program, openSession(program.prompts(), program.profile(), program.folders().homeDir));
}

void saveSessionCommand(Program& program)
{
    follow(program, saveCurrentSession(program.prompts(), program.profile(), program.folders().homeDir));
}

void saveSessionAsCommand(Program& program)
{
    follow(program, saveSessionAs(program.prompts(), program.profile(), program.folders().homeDir));
}

void exitCommand(Program& program)
{
    follow(program, exitProgram(program.prompts(), program.profile(), program.folders().homeDir));
}

bool windowCloseCommand(Program& program)
{
    return closeMainWindow(program.prompts(), program.profile(), program.folders().homeDir)
        == NextStep::Quit;
}

void openEntryDialogCommand(Program& program, EntryKind kind, int record)
{
    if (record == kNewRecord)
        program.entries().add(listOf(kind));
    else
        program.entries().edit(listOf(kind), record);
}

void openTransactionDialogCommand(Program& program, Transaction transaction)
{
    const int bankingRow = Program::selectedRecord(program.window().bankingList()) - 1;
    program.entries().registerTransaction(
        transaction == Transaction::Deposit ? TransactionKind::Deposit : TransactionKind::Withdrawal,
        bankingRow);
}

void removeEntryCommand(Program& program, EntryKind kind, int record)
{
    program.entries().remove(listOf(kind), record);
}

void submitDialogCommand(Program& program, DialogWindow window)
{
    program.entries().submit(static_cast<int>(window));
}

void cancelDialogCommand(Program& program, DialogWindow window)
{
    program.entries().cancel(static_cast<int>(window));
}

} // namespace cashvane
