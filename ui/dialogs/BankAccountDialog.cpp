#include "BankAccountDialog.h"

#include "DialogControls.h"
#include "model/Choices.h"
#include "model/Money.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace cashvane {

BankAccountDialog::BankAccountDialog(DialogMode mode, int record, const Profile& profile)
    : mode_(mode)
    , record_(mode == DialogMode::Add ? -1 : record)
{
    setUpWindow(*this, 3, { 435, 236 },
        mode == DialogMode::Add ? QStringLiteral("Add Bank Account")
                                : QStringLiteral("Edit Bank Account"));

    addGroupBox(*this, 78, { 0, 0, 430, 110 }, "Account Description");
    addLabel(*this, 79, { 10, 20, 80, 20 }, "Account Name");
    accountName_ = addTextField(*this, 80, { 100, 20, 320, 20 }, "");
    addLabel(*this, 81, { 10, 50, 80, 20 }, "Account Type");
    accountType_ = addChoiceList(*this, 82, { 100, 50, 320, 20 });
    accountType_->addItems(accountTypes());
    accountType_->setCurrentIndex(kDefaultAccountType);
    addLabel(*this, 83, { 10, 80, 80, 20 }, "Bank Name");
    bankName_ = addTextField(*this, 84, { 100, 80, 320, 20 }, "");

    addGroupBox(*this, 85, { 0, 110, 430, 80 }, "Account Detail");
    addLabel(*this, 86, { 10, 130, 80, 20 }, "Current Balance");
    balance_ = addTextField(*this, 87, { 100, 130, 320, 20 }, "00.00");
    addLabel(*this, 88, { 10, 160, 80, 20 }, "Overdraft Limit");
    overdraftLimit_ = addTextField(*this, 89, { 100, 160, 320, 20 }, "00.00");
    QPushButton* submit = addSubmitButton(*this, 90, { 340, 200, 90, 20 });
    addCancelButton(*this, 91, { 240, 200, 90, 20 });
    connect(submit, &QPushButton::clicked, this, [this] {
        emit submitted({ mode_, record_, account() });
    });

    if (mode == DialogMode::Edit)
        fill(profile.accounts.record(record));
}

void BankAccountDialog::fill(const BankAccount& account)
{
    accountName_->setText(account.accountName);
    selectPosition(*accountType_, account.accountType);
    bankName_->setText(account.bankName);
    balance_->setText(moneyText(account.balance));
    overdraftLimit_->setText(moneyText(account.overdraftLimit));
}

BankAccount BankAccountDialog::account() const
{
    return { accountName_->text(), accountType_->currentIndex(), bankName_->text(),
        parseAmount(balance_->text()), parseAmount(overdraftLimit_->text()) };
}

} // namespace cashvane
