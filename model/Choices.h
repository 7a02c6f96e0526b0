#pragma once

#include "Records.h"

#include <QString>
#include <QStringList>

#include <vector>

// The fixed lists a user picks from, and the names under which records are
// shown. The texts are stored in records as they stand here, so they must
// never be reworded: "Other.." has two dots on purpose.
namespace cashvane {

const QStringList& incomeCategories();
const QStringList& expenseCategories();
const QStringList& accountTypes();

// "January" to "December": the month choice list, and the date label's words.
const QStringList& monthNames();

// The frequency choice list in its order, with the code each position stores.
struct FrequencyChoice {
    QString text;
    FrequencyCode code;
};
const std::vector<FrequencyChoice>& frequencyChoices();

// The code a position of the frequency list stores: positions outside 1 to 5,
// no selection (-1) included, store OneOff.
FrequencyCode frequencyAtPosition(int position);

// The list position that shows a stored code; unknown codes show as position 0,
// "One-Off Payment".
int positionOfFrequency(FrequencyCode code);

inline constexpr int kDefaultAccountType = 1; // "Current Account"

// The name an entry is listed under: its customTitle when useCustom is 1,
// else its title. The chart and the history always use the title instead.
QString entryName(const RecurringEntry& entry);

// The text that stands for account number k in the account choice lists.
QString accountLabel(const BankAccount& account, int k);

} // namespace cashvane
