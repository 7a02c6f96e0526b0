#pragma once

#include "Submission.h"
#include "model/Calendar.h"
#include "model/Profile.h"

#include <functional>
#include <memory>

class QDialog;

// The entry dialogs open beside the main window, at most one per window
// number; opening a window that is open replaces it. Each dialog acts on the
// mode and record it was opened with, so when the profile's records move
// under an open dialog this class closes it or brings its account list up to
// date. Submissions go to the handlers; a handler returns true when its
// command ran, which closes the dialog, and false to keep it open.
namespace cashvane {

class EntryDialog;
class BankAccountDialog;
class BankTransactionDialog;

class OpenDialogs {
public:
    struct Handlers {
        std::function<bool(const EntrySubmission&)> entry;
        std::function<bool(const AccountSubmission&)> account;
        std::function<bool(const TransactionSubmission&)> transaction;
    };

    explicit OpenDialogs(Handlers handlers);
    ~OpenDialogs();
    OpenDialogs(const OpenDialogs&) = delete;
    OpenDialogs& operator=(const OpenDialogs&) = delete;

    // REQUIRES: none of these runs from inside a dialog's own Submit.
    void openEntry(
        ListKind kind, DialogMode mode, int record, const Profile& profile, CalendarDate today);
    void openBankAccount(DialogMode mode, int record, const Profile& profile);
    void openTransaction(TransactionKind kind, int bankingRow, const Profile& profile);

    // Record k of the list was removed: an edit dialog on record k or a later
    // one would now write into another record, so it closes.
    void recordRemoved(ListKind kind, int k);
    // The accounts were added to, renamed or, when removedAccount > 0, lost
    // that account: every account list follows, keeping its choice.
    void accountsChanged(const Profile& profile, int removedAccount);
    // The whole profile was replaced: nothing an open dialog shows is valid.
    void closeAll();

    // Presses the Submit or Cancel button of window 1 to 4, if it is open.
    void submit(int number);
    void cancel(int number);

    // The open window with that number (1 to 4), or null.
    QDialog* window(int number) const;

private:
    void close(int number);

    Handlers handlers_;
    std::unique_ptr<EntryDialog> income_;
    std::unique_ptr<EntryDialog> expense_;
    std::unique_ptr<BankAccountDialog> account_;
    std::unique_ptr<BankTransactionDialog> transaction_;
};

} // namespace cashvane
