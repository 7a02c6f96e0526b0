#include "EntryCommands.h"

#include "model/EditingCommands.h"

namespace cashvane {

namespace {

int countOf(const Profile& profile, ListKind list)
{
    switch (list) {
    case ListKind::Incomes:
        return profile.incomeCount();
    case ListKind::Expenses:
        return profile.expenseCount();
    case ListKind::Accounts:
        return profile.bankCount();
    }
    return 0;
}

QString recordsOf(ListKind list)
{
    switch (list) {
    case ListKind::Incomes:
        return QStringLiteral("income sources");
    case ListKind::Expenses:
        return QStringLiteral("expenses");
    case ListKind::Accounts:
        return QStringLiteral("bank accounts");
    }
    return {};
}

EditResult removeRecord(Profile& profile, ListKind list, int k, CalendarTime now)
{
    switch (list) {
    case ListKind::Incomes:
        return removeIncome(profile, k, now);
    case ListKind::Expenses:
        return removeExpense(profile, k, now);
    case ListKind::Accounts:
        return removeBankAccount(profile, k, now);
    }
    return EditResult::NoSuchRecord;
}

EditResult storeEntry(Profile& profile, const EntrySubmission& s, CalendarTime now)
{
    const bool income = s.kind == ListKind::Incomes;
    if (s.mode == DialogMode::Add)
        return income ? addIncome(profile, s.entry, now) : addExpense(profile, s.entry, now);
    return income ? editIncome(profile, s.record, s.entry, now)
                  : editExpense(profile, s.record, s.entry, now);
}

} // namespace

EntryCommands::EntryCommands(
    Prompts& prompts, Profile& profile, std::function<void()> recalculate, Clock clock)
    : prompts_(prompts)
    , profile_(profile)
    , recalculate_(std::move(recalculate))
    , clock_(std::move(clock))
    , dialogs_({ [this](const EntrySubmission& s) { return submitEntry(s); },
          [this](const AccountSubmission& s) { return submitAccount(s); },
          [this](const TransactionSubmission& s) { return submitTransaction(s); } })
{
}

void EntryCommands::add(ListKind list)
{
    if (countOf(profile_, list) >= RecordList<RecurringEntry>::kCapacity) {
        refuseFullList(list);
        return;
    }
    if (list == ListKind::Accounts)
        dialogs_.openBankAccount(DialogMode::Add, -1, profile_);
    else
        dialogs_.openEntry(list, DialogMode::Add, -1, profile_, dateOf(clock_()));
}

void EntryCommands::edit(ListKind list, int k)
{
    if (k < 1 || k > countOf(profile_, list))
        return;
    if (list == ListKind::Accounts)
        dialogs_.openBankAccount(DialogMode::Edit, k, profile_);
    else
        dialogs_.openEntry(list, DialogMode::Edit, k, profile_, dateOf(clock_()));
}

void EntryCommands::remove(ListKind list, int k)
{
    if (removeRecord(profile_, list, k, clock_()) != EditResult::Done)
        return;
    dialogs_.recordRemoved(list, k);
    if (list == ListKind::Accounts)
        dialogs_.accountsChanged(profile_, k);
    recalculate_();
}

void EntryCommands::registerTransaction(TransactionKind kind, int bankingRow)
{
    dialogs_.openTransaction(kind, bankingRow, profile_);
}

void EntryCommands::profileReplaced()
{
    dialogs_.closeAll();
}

bool EntryCommands::submitEntry(const EntrySubmission& submission)
{
    const EditResult result = storeEntry(profile_, submission, clock_());
    if (result == EditResult::ListFull) {
        refuseFullList(submission.kind);
        return false;
    }
    if (result == EditResult::Done)
        recalculate_();
    return true;
}

bool EntryCommands::submitAccount(const AccountSubmission& submission)
{
    const EditResult result = submission.mode == DialogMode::Add
        ? addBankAccount(profile_, submission.account, clock_())
        : editBankAccount(profile_, submission.record, submission.account, clock_());
    if (result == EditResult::ListFull) {
        refuseFullList(ListKind::Accounts);
        return false;
    }
    if (result == EditResult::Done) {
        dialogs_.accountsChanged(profile_, 0);
        recalculate_();
    }
    return true;
}

bool EntryCommands::submitTransaction(const TransactionSubmission& submission)
{
    if (submission.kind == TransactionKind::Deposit)
        registerDeposit(profile_, submission.account, submission.amount, clock_());
    else
        registerWithdrawal(profile_, submission.account, submission.amount, clock_());
    recalculate_();
    return true;
}

void EntryCommands::refuseFullList(ListKind list)
{
    prompts_.message(Tone::Error, QStringLiteral("List Full"),
        QStringLiteral("This profile already holds %1 %2.\nRemove one before adding another.")
            .arg(RecordList<RecurringEntry>::kCapacity)
            .arg(recordsOf(list)),
        Buttons::Ok);
}

} // namespace cashvane
