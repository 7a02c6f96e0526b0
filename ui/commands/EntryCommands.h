#pragma once

#include "model/Calendar.h"
#include "model/Profile.h"
#include "ui/Prompts.h"
#include "ui/dialogs/OpenDialogs.h"

#include <functional>

// The commands that add, edit and remove records and register deposits and
// withdrawals, as the window's menus and buttons start them: each opens its
// entry dialog or, for a removal, changes the profile at once. When a dialog
// is submitted the matching editing command runs on the mode and record the
// dialog was opened with, the window recalculates, and the dialog closes.
// A list that already holds 100 records refuses an add with a message.
namespace cashvane {

class EntryCommands {
public:
    using Clock = std::function<CalendarTime()>;

    // `recalculate` refreshes every view from the profile; it runs after each
    // change. `clock` gives the time the history and the dialogs' dates use.
    EntryCommands(
        Prompts& prompts, Profile& profile, std::function<void()> recalculate, Clock clock);
    EntryCommands(const EntryCommands&) = delete;
    EntryCommands& operator=(const EntryCommands&) = delete;

    // Add Income, Add Expense, Add Bank Account (menu and buttons).
    void add(ListKind list);
    // Edit and Remove act on record k of the list, the one its topmost
    // selected row shows; a k that names no record (0 for no selection)
    // does nothing.
    void edit(ListKind list, int k);
    void remove(ListKind list, int k);
    // Register Deposit and Register Withdrawal; `bankingRow` is the banking
    // list's selected row, or -1.
    void registerTransaction(TransactionKind kind, int bankingRow);

    // After New Profile or Open Session: the open dialogs showed records of
    // the profile that is gone, so they close.
    void profileReplaced();

    // The Submit and Cancel buttons of dialog window 1 to 4, as if pressed.
    void submit(int windowNumber) { dialogs_.submit(windowNumber); }
    void cancel(int windowNumber) { dialogs_.cancel(windowNumber); }

    const OpenDialogs& dialogs() const { return dialogs_; }

private:
    bool submitEntry(const EntrySubmission& submission);
    bool submitAccount(const AccountSubmission& submission);
    bool submitTransaction(const TransactionSubmission& submission);
    void refuseFullList(ListKind list);

    Prompts& prompts_;
    Profile& profile_;
    std::function<void()> recalculate_;
    Clock clock_;
    OpenDialogs dialogs_;
};

} // namespace cashvane
