#pragma once

#include <QString>

#include <cstdint>

// The records a profile is made of. Fields hold whatever was entered or read
// from a file, unchecked: a day of 31 in February, an unknown frequency code
// or a bankIndex naming no account are all stored as they are, and each
// computation copes with them in its own way.
namespace cashvane {

// How often an entry recurs. Apart from OneOff and Daily the value is the
// number of whole weeks in one period, which the projection relies on. A file
// may hold any other value; it is kept as read.
enum class FrequencyCode : std::int32_t {
    OneOff = -1,
    Daily = 0,
    Weekly = 1,
    Fortnightly = 2,
    Monthly = 4,
    Yearly = 52,
};

// Amounts compare by their bits, so a NaN amount equals itself and a record
// read back from a file compares equal to the one that was written.
bool sameAmount(float a, float b);

// An income source or an expense.
struct RecurringEntry {
    QString title;        // the category text chosen in the dialog
    std::int32_t useCustom = 0;
    QString customTitle;  // kept even while useCustom is 0
    FrequencyCode frequency = FrequencyCode::Daily;
    std::int32_t startDay = 0;
    std::int32_t startMonth = 0;
    std::int32_t startYear = 0;
    std::int32_t endDay = 0;
    std::int32_t endMonth = 0;
    std::int32_t endYear = 0;
    std::int32_t noEndDate = 0;  // the end date fields are stored all the same
    std::int32_t bankIndex = 0;  // 1 to bankCount links an account; anything else none
    std::int32_t paidInCash = 0; // 1 takes the entry out of every account
    float amount = 0.0f;

    bool operator==(const RecurringEntry& other) const;
};

using IncomeSource = RecurringEntry;
using Expense = RecurringEntry;

struct BankAccount {
    QString accountName;
    std::int32_t accountType = 0;  // position in accountTypes()
    QString bankName;
    float balance = 0.0f;
    float overdraftLimit = 0.0f;

    bool operator==(const BankAccount& other) const;
};

} // namespace cashvane
