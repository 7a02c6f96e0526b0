#pragma once

#include "HistoryLog.h"
#include "RecordList.h"
#include "Records.h"

#include <QString>

// All of the user's data the program keeps: the profile's name, its income
// sources, expenses and bank accounts, and the activity history, with the
// file it is bound to and whether it changed since it was last opened or
// saved. The profile only holds and rearranges records; the figures are
// computed elsewhere, and the session file reads and writes it as a whole.
namespace cashvane {

struct Profile {
    QString profileName;
    QString sessionPath;      // empty while the profile is bound to no file
    bool profileSaved = true; // false after any change to the records
    RecordList<IncomeSource> incomes;
    RecordList<Expense> expenses;
    RecordList<BankAccount> accounts;
    HistoryLog history;

    int incomeCount() const { return incomes.count(); }
    int expenseCount() const { return expenses.count(); }
    int bankCount() const { return accounts.count(); }

    // REQUIRES: 1 <= k <= bankCount(). Entries charged to account k move to
    // cash (bankIndex -1, paidInCash 1); entries charged to a later account
    // follow it down one number, so no entry ends up on another account.
    void removeAccount(int k);

    bool operator==(const Profile&) const = default;
};

} // namespace cashvane
