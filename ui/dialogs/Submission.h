#pragma once

#include "model/Records.h"

// What an entry dialog hands on when its Submit button is pressed: the mode
// and record it was opened with and the values read from its controls. The
// dialogs never change the profile; the commands that take these do.
namespace cashvane {

// The three lists of a profile.
enum class ListKind { Incomes, Expenses, Accounts };
enum class DialogMode { Add, Edit };
enum class TransactionKind { Deposit, Withdrawal };

struct EntrySubmission {
    ListKind kind = ListKind::Incomes; // Incomes or Expenses
    DialogMode mode = DialogMode::Add;
    int record = -1; // the record shown in Edit mode
    RecurringEntry entry;
};

struct AccountSubmission {
    DialogMode mode = DialogMode::Add;
    int record = -1;
    BankAccount account;
};

struct TransactionSubmission {
    TransactionKind kind = TransactionKind::Deposit;
    int account = 0; // 0 when no account, or "--", was chosen
    float amount = 0.0f;
};

} // namespace cashvane
