#pragma once

#include "Submission.h"
#include "model/Profile.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// The BankTransactionDialog (window 4): an account and an amount to deposit
// or withdraw. It opens on the account of the banking list's selected row.
namespace cashvane {

class BankTransactionDialog : public QDialog {
    Q_OBJECT

public:
    // bankingRow: the banking list's selected row counted from 0, or -1 for
    // none, which leaves the account list without selection.
    BankTransactionDialog(TransactionKind kind, int bankingRow, const Profile& profile);

    TransactionKind kind() const { return kind_; }
    TransactionSubmission transaction() const;

    void followAccounts(const Profile& profile, int removedAccount);

signals:
    void submitted(const cashvane::TransactionSubmission& submission);

private:
    TransactionKind kind_;
    QComboBox* account_ = nullptr;
    QLineEdit* amount_ = nullptr;
};

} // namespace cashvane
