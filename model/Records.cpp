#include "Records.h"

#include <bit>

namespace cashvane {

bool sameAmount(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool RecurringEntry::operator==(const RecurringEntry& other) const
{
    return title == other.title && useCustom == other.useCustom
        && customTitle == other.customTitle && frequency == other.frequency
        && startDay == other.startDay && startMonth == other.startMonth
        && startYear == other.startYear && endDay == other.endDay && endMonth == other.endMonth
        && endYear == other.endYear && noEndDate == other.noEndDate
        && bankIndex == other.bankIndex && paidInCash == other.paidInCash
        && sameAmount(amount, other.amount);
}

bool BankAccount::operator==(const BankAccount& other) const
{
    return accountName == other.accountName && accountType == other.accountType
        && bankName == other.bankName && sameAmount(balance, other.balance)
        && sameAmount(overdraftLimit, other.overdraftLimit);
}

} // namespace cashvane
