#pragma once

#include "Submission.h"
#include "model/Profile.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// The BankAccountDialog (window 3): opened with defaults to add an account,
// or filled from account `record` to edit it. Like the entry dialogs it
// remembers its mode and record and only hands on what was entered.
namespace cashvane {

class BankAccountDialog : public QDialog {
    Q_OBJECT

public:
    // REQUIRES: in Edit mode, record names an account of the profile.
    BankAccountDialog(DialogMode mode, int record, const Profile& profile);

    DialogMode mode() const { return mode_; }
    int record() const { return record_; }

    BankAccount account() const;

signals:
    void submitted(const cashvane::AccountSubmission& submission);

private:
    void fill(const BankAccount& account);

    DialogMode mode_;
    int record_;

    QLineEdit* accountName_ = nullptr;
    QComboBox* accountType_ = nullptr;
    QLineEdit* bankName_ = nullptr;
    QLineEdit* balance_ = nullptr;
    QLineEdit* overdraftLimit_ = nullptr;
};

} // namespace cashvane
