#include "BankTransactionDialog.h"

#include "DialogControls.h"
#include "model/Money.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace cashvane {

BankTransactionDialog::BankTransactionDialog(
    TransactionKind kind, int bankingRow, const Profile& profile)
    : kind_(kind)
{
    const bool deposit = kind == TransactionKind::Deposit;
    setUpWindow(*this, 4, { 386, 124 },
        deposit ? QStringLiteral("Register Deposit") : QStringLiteral("Register Withdrawal"));

    addGroupBox(*this, 92, { 0, 0, 380, 80 }, "Bank Transaction");
    addLabel(*this, 93, { 10, 20, 70, 20 }, "Account");
    account_ = addChoiceList(*this, 94, { 90, 20, 280, 20 });
    fillAccountChoices(*account_, profile);
    selectPosition(*account_, bankingRow);
    addLabel(*this, 95, { 10, 50, 70, 20 }, deposit ? "Deposit" : "Withdraw");
    amount_ = addTextField(*this, 96, { 90, 50, 280, 20 }, "00.00");
    QPushButton* submit = addSubmitButton(*this, 97, { 290, 90, 90, 20 });
    addCancelButton(*this, 98, { 190, 90, 90, 20 });
    connect(submit, &QPushButton::clicked, this, [this] { emit submitted(transaction()); });
}

TransactionSubmission BankTransactionDialog::transaction() const
{
    return { kind_, chosenAccount(*account_), parseAmount(amount_->text()) };
}

void BankTransactionDialog::followAccounts(const Profile& profile, int removedAccount)
{
    cashvane::followAccounts(*account_, profile, removedAccount);
}

} // namespace cashvane
