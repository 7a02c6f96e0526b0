#include "HistoryLog.h"

#include <algorithm>
#include <cassert>

namespace cashvane {

void HistoryLog::logAction(const QString& actionText, CalendarTime now)
{
    std::shift_right(entries_.begin(), entries_.end(), 1);
    entries_.front() = {maskedDate(kDateMask, now), actionText};
}

void HistoryLog::clearHistory()
{
    entries_.fill({});
}

const HistoryEntry& HistoryLog::entry(int k) const
{
    assert(k >= 1 && k <= kEntries);
    return entries_[static_cast<std::size_t>(k - 1)];
}

HistoryEntry& HistoryLog::entry(int k)
{
    assert(k >= 1 && k <= kEntries);
    return entries_[static_cast<std::size_t>(k - 1)];
}

} // namespace cashvane
