#include "OpenDialogs.h"

#include "BankAccountDialog.h"
#include "BankTransactionDialog.h"
#include "EntryDialog.h"

#include <QPushButton>

namespace cashvane {

namespace {

// Record k was removed, so records k and later are no longer what the dialog showed.
template <typename Dialog> bool editsFrom(const std::unique_ptr<Dialog>& dialog, int k)
{
    return dialog && dialog->isVisible() && dialog->mode() == DialogMode::Edit
        && dialog->record() >= k;
}

template <typename Dialog, typename Submission>
void showAndConnect(Dialog* dialog, const std::function<bool(const Submission&)>& handler)
{
    QObject::connect(
        dialog, &Dialog::submitted, dialog, [dialog, &handler](const Submission& submission) {
            if (handler(submission))
                dialog->hide();
        });
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

OpenDialogs::OpenDialogs(Handlers handlers)
    : handlers_(std::move(handlers))
{
}

OpenDialogs::~OpenDialogs() = default;

void OpenDialogs::openEntry(
    ListKind kind, DialogMode mode, int record, const Profile& profile, CalendarDate today)
{
    auto& slot = kind == ListKind::Incomes ? income_ : expense_;
    slot = std::make_unique<EntryDialog>(kind, mode, record, profile, today);
    showAndConnect(slot.get(), handlers_.entry);
}

void OpenDialogs::openBankAccount(DialogMode mode, int record, const Profile& profile)
{
    account_ = std::make_unique<BankAccountDialog>(mode, record, profile);
    showAndConnect(account_.get(), handlers_.account);
}

void OpenDialogs::openTransaction(TransactionKind kind, int bankingRow, const Profile& profile)
{
    transaction_ = std::make_unique<BankTransactionDialog>(kind, bankingRow, profile);
    showAndConnect(transaction_.get(), handlers_.transaction);
}

void OpenDialogs::recordRemoved(ListKind kind, int k)
{
    switch (kind) {
    case ListKind::Incomes:
        if (editsFrom(income_, k))
            close(1);
        break;
    case ListKind::Expenses:
        if (editsFrom(expense_, k))
            close(2);
        break;
    case ListKind::Accounts:
        if (editsFrom(account_, k))
            close(3);
        break;
    }
}

void OpenDialogs::accountsChanged(const Profile& profile, int removedAccount)
{
    if (income_)
        income_->followAccounts(profile, removedAccount);
    if (expense_)
        expense_->followAccounts(profile, removedAccount);
    if (transaction_)
        transaction_->followAccounts(profile, removedAccount);
}

void OpenDialogs::closeAll()
{
    for (int number = 1; number <= 4; ++number)
        close(number);
}

void OpenDialogs::close(int number)
{
    if (QDialog* dialog = window(number))
        dialog->hide();
}

void OpenDialogs::submit(int number)
{
    // Submit is the window's default button.
    if (QDialog* dialog = window(number)) {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->isDefault())
                button->click();
        }
    }
}

void OpenDialogs::cancel(int number)
{
    if (QDialog* dialog = window(number))
        dialog->reject();
}

QDialog* OpenDialogs::window(int number) const
{
    QDialog* dialog = nullptr;
    switch (number) {
    case 1:
        dialog = income_.get();
        break;
    case 2:
        dialog = expense_.get();
        break;
    case 3:
        dialog = account_.get();
        break;
    case 4:
        dialog = transaction_.get();
        break;
    default:
        break;
    }
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace cashvane
