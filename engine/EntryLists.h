#pragma once

#include "engine/RecalculationResult.h"
#include "model/RecordList.h"
#include "model/Records.h"

#include <QString>

#include <vector>

// The income and expense lists: one row per entry in record order, so that
// row r shows record r + 1, with the matching tree branch and report block.
// Dates and frequencies are shown as stored; nothing here judges whether an
// entry makes sense, and nothing here adds amounts up.
namespace cashvane {

// The date as "dd / mm / yy" from the three stored numbers, real date or not:
// 5 March 2010 is "05 / 03 / 10", a day stored as 0 is "00".
QString shortDateText(int day, int month, int year);

// "Daily", "Weekly", "Fortnightly", "Monthly" or "Yearly"; "--" for a one-off
// payment and for every code the frequency list does not hold.
QString frequencyText(FrequencyCode frequency);

// What one list step puts on screen: its tree branch with the children, the
// list's rows and its block of the quick report.
struct Listing {
    std::vector<TreeItem> treeItems;
    std::vector<ListRow> rows;
    QString block; // one line per record, each ending in a line break
};

// `branch` is the tree branch the entries go under: "Income" or "Expenses".
Listing listEntries(const RecordList<RecurringEntry>& entries, const QString& branch);

} // namespace cashvane
