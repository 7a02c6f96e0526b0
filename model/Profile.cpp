#include "Profile.h"

namespace cashvane {

namespace {

void unlinkAccount(RecordList<RecurringEntry>& entries, int k)
{
    for (RecurringEntry& entry : entries) {
        if (entry.bankIndex == k) {
            entry.bankIndex = -1;
            entry.paidInCash = 1;
        } else if (entry.bankIndex > k) {
            --entry.bankIndex;
        }
    }
}

} // namespace

void Profile::removeAccount(int k)
{
    unlinkAccount(incomes, k);
    unlinkAccount(expenses, k);
    accounts.remove(k);
}

} // namespace cashvane
