#include "BankingList.h"

#include "model/Money.h"

#include <algorithm>

namespace cashvane {

QString accountDisplayName(const BankAccount& account)
{
    const QString& name = account.accountName;
    const bool onlyBlanks
        = std::all_of(name.begin(), name.end(), [](QChar c) { return c == u' '; });
    return onlyBlanks ? account.bankName : name;
}

float accountDebits(const Profile& profile, int k)
{
    float debits = 0.0f;
    for (const Expense& expense : profile.expenses) {
        if (expense.bankIndex == k && expense.paidInCash == 0)
            debits = addAmounts(debits, expense.amount);
    }
    return debits;
}

float availableFunds(const BankAccount& account)
{
    return addAmounts(account.balance, account.overdraftLimit);
}

BankingListing listAccounts(const Profile& profile)
{
    BankingListing banking;
    Listing& listing = banking.listing;
    listing.treeItems.push_back({ 0, QStringLiteral("Banking"), std::nullopt });
    for (int k = 1; k <= profile.bankCount(); ++k) {
        const BankAccount& account = profile.accounts.record(k);
        const QString name = accountDisplayName(account);
        const QString balance = moneyText(account.balance);
        const QString debits = moneyText(accountDebits(profile, k));
        const QString limit = moneyText(account.overdraftLimit);
        const QString available = moneyText(availableFunds(account));
        listing.rows.push_back({ name, balance, debits, limit, available });
        listing.treeItems.push_back({ 1, name, std::nullopt });
        listing.treeItems.push_back({ 2, QStringLiteral("Balance: ") + balance, std::nullopt });
        listing.treeItems.push_back({ 2, QStringLiteral("Debits / SO: ") + debits, std::nullopt });
        listing.treeItems.push_back(
            { 2, QStringLiteral("Overdraft Limit: ") + limit, std::nullopt });
        listing.treeItems.push_back(
            { 2, QStringLiteral("Available Funds: ") + available, std::nullopt });
        banking.totalBalance = addAmounts(banking.totalBalance, account.balance);
        listing.block += name + QStringLiteral(" (Balance: ") + balance + QStringLiteral(")\n");
    }
    return banking;
}

} // namespace cashvane
