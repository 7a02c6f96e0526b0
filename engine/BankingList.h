#pragma once

#include "engine/EntryLists.h"
#include "model/Profile.h"

#include <QString>

#include <vector>

// The banking list: per account its balance, the expenses charged to it, its
// overdraft limit and the money available on it, with the matching tree
// branch and report block, and the sum of all balances that the cashflow
// projection starts from. It reads accounts and expenses; income sources
// never touch an account here.
namespace cashvane {

// The account's own name, or its bank's name when the own name is empty or
// blanks only. Unlike the label of the account choice lists, the two names
// are never joined and a number is never made up.
QString accountDisplayName(const BankAccount& account);

// One occurrence of every expense charged to account k (not paid in cash),
// summed in record order, whatever the expenses' frequencies and dates.
float accountDebits(const Profile& profile, int k);

// The balance plus the overdraft limit; the debits are not taken off.
float availableFunds(const BankAccount& account);

struct BankingListing {
    Listing listing; // "Banking" with each account and its four figures below it
    float totalBalance = 0.0f; // the balances summed in account order
};

BankingListing listAccounts(const Profile& profile);

} // namespace cashvane
