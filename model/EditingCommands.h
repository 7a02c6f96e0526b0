#pragma once

#include "Calendar.h"
#include "Profile.h"

// The eleven ways a user changes the records of a profile. Each takes what a
// dialog read (a record, an amount) or the number of the record chosen in a
// list, changes the records, adds its one history line and marks the profile
// as changed. Reading the dialogs, asking the user and recomputing the
// figures are left to the caller.
namespace cashvane {

enum class EditResult {
    Done,
    ListFull, // an add found 100 records already; nothing changed
    NoSuchRecord, // an edit or removal named a record the list does not hold; nothing changed
};

EditResult addIncome(Profile& profile, const IncomeSource& entry, CalendarTime now);
EditResult editIncome(Profile& profile, int k, const IncomeSource& entry, CalendarTime now);
EditResult removeIncome(Profile& profile, int k, CalendarTime now);

EditResult addExpense(Profile& profile, const Expense& entry, CalendarTime now);
EditResult editExpense(Profile& profile, int k, const Expense& entry, CalendarTime now);
EditResult removeExpense(Profile& profile, int k, CalendarTime now);

EditResult addBankAccount(Profile& profile, const BankAccount& account, CalendarTime now);
EditResult editBankAccount(Profile& profile, int k, const BankAccount& account, CalendarTime now);
// Entries on account k move to cash; entries on later accounts follow them.
EditResult removeBankAccount(Profile& profile, int k, CalendarTime now);

// Account k's balance changes by the amount when k names an account; any
// other k (no account chosen, "--") changes no balance, but the line is
// logged all the same, with nothing after the arrow.
void registerDeposit(Profile& profile, int k, float amount, CalendarTime now);
void registerWithdrawal(Profile& profile, int k, float amount, CalendarTime now);

} // namespace cashvane
