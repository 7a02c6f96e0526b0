#pragma once

// The commands the dispatch hands to the file commands, the entry dialogs and
// the editing commands. The dispatch has decided which record and which
// dialog each is for; what happens then belongs to those commands, and what
// they leave for the window (a new profile to show, the end of the program)
// is carried out here.
namespace cashvane {

class Program;

enum class EntryKind { Income, Expense, BankAccount };
enum class Transaction { Deposit, Withdrawal };
// The entry dialogs as the dispatch closes them, numbered as their windows.
enum class DialogWindow { Income = 1, Expense = 2, BankAccount = 3, BankTransaction = 4 };

// A record number for a dialog that adds a new record.
inline constexpr int kNewRecord = -1;

void newProfileCommand(Program& program);
void openSessionCommand(Program& program);
void saveSessionCommand(Program& program);
void saveSessionAsCommand(Program& program);
void exitCommand(Program& program);

// The main window's close button: whether the program may shut down.
bool windowCloseCommand(Program& program);

// record is kNewRecord to add one, otherwise the number of the record to edit.
void openEntryDialogCommand(Program& program, EntryKind kind, int record);
void openTransactionDialogCommand(Program& program, Transaction transaction);

// REQUIRES: record is a record number of that list (1 and up).
void removeEntryCommand(Program& program, EntryKind kind, int record);

// Submit runs the add, edit, deposit or withdrawal the dialog was opened for,
// then closes it; Cancel only closes it.
void submitDialogCommand(Program& program, DialogWindow window);
void cancelDialogCommand(Program& program, DialogWindow window);

} // namespace cashvane
