#include "EditingCommands.h"

#include "Money.h"

namespace cashvane {

namespace {

void logChange(Profile& profile, const QString& actionText, CalendarTime now)
{
    profile.profileSaved = false;
    profile.history.logAction(actionText, now);
}

template <typename Record> bool holds(const RecordList<Record>& list, int k)
{
    return k >= 1 && k <= list.count();
}

template <typename Record>
EditResult add(Profile& profile, RecordList<Record>& list, const Record& record,
    const QString& actionText, CalendarTime now)
{
    if (!list.append(record))
        return EditResult::ListFull;
    logChange(profile, actionText, now);
    return EditResult::Done;
}

template <typename Record>
EditResult edit(Profile& profile, RecordList<Record>& list, int k, const Record& record,
    const QString& actionText, CalendarTime now)
{
    if (!holds(list, k))
        return EditResult::NoSuchRecord;
    list.overwrite(k, record);
    logChange(profile, actionText, now);
    return EditResult::Done;
}

// The line is logged before the records move, so it names the record removed.
EditResult removeEntry(Profile& profile, RecordList<RecurringEntry>& list, int k,
    const QString& verb, CalendarTime now)
{
    if (!holds(list, k))
        return EditResult::NoSuchRecord;
    logChange(profile, verb + list.record(k).title, now);
    list.remove(k);
    return EditResult::Done;
}

// Both amounts are single precision and so is the sum: a deposit of 2.675 is
// held as 2.67499995..., is logged as 2.67 and adds exactly that.
void registerTransaction(
    Profile& profile, int k, float change, const QString& verb, float amount, CalendarTime now)
{
    QString accountName;
    if (holds(profile.accounts, k)) {
        BankAccount& account = profile.accounts.record(k);
        account.balance = addAmounts(account.balance, change);
        accountName = account.accountName;
    }
    logChange(profile, verb + moneyText(amount) + QStringLiteral("->") + accountName, now);
}

} // namespace

EditResult addIncome(Profile& profile, const IncomeSource& entry, CalendarTime now)
{
    return add(profile, profile.incomes, entry, QStringLiteral("Add Income: ") + entry.title, now);
}

EditResult editIncome(Profile& profile, int k, const IncomeSource& entry, CalendarTime now)
{
    return edit(
        profile, profile.incomes, k, entry, QStringLiteral("Edit Income: ") + entry.title, now);
}

EditResult removeIncome(Profile& profile, int k, CalendarTime now)
{
    return removeEntry(profile, profile.incomes, k, QStringLiteral("Delete Income: "), now);
}

EditResult addExpense(Profile& profile, const Expense& entry, CalendarTime now)
{
    return add(
        profile, profile.expenses, entry, QStringLiteral("Add Expense: ") + entry.title, now);
}

EditResult editExpense(Profile& profile, int k, const Expense& entry, CalendarTime now)
{
    return edit(
        profile, profile.expenses, k, entry, QStringLiteral("Edit Expense: ") + entry.title, now);
}

EditResult removeExpense(Profile& profile, int k, CalendarTime now)
{
    return removeEntry(profile, profile.expenses, k, QStringLiteral("Delete Expense: "), now);
}

EditResult addBankAccount(Profile& profile, const BankAccount& account, CalendarTime now)
{
    return add(profile, profile.accounts, account,
        QStringLiteral("Add Bank: ") + account.accountName, now);
}

EditResult editBankAccount(Profile& profile, int k, const BankAccount& account, CalendarTime now)
{
    return edit(profile, profile.accounts, k, account,
        QStringLiteral("Edit Bank: ") + account.accountName, now);
}

EditResult removeBankAccount(Profile& profile, int k, CalendarTime now)
{
    if (!holds(profile.accounts, k))
        return EditResult::NoSuchRecord;
    logChange(
        profile, QStringLiteral("Delete Bank: ") + profile.accounts.record(k).accountName, now);
    profile.removeAccount(k);
    return EditResult::Done;
}

void registerDeposit(Profile& profile, int k, float amount, CalendarTime now)
{
    registerTransaction(profile, k, amount, QStringLiteral("Deposit: "), amount, now);
}

void registerWithdrawal(Profile& profile, int k, float amount, CalendarTime now)
{
    registerTransaction(profile, k, -amount, QStringLiteral("Withdraw: "), amount, now);
}

} // namespace cashvane
