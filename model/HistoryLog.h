#pragma once

#include "Calendar.h"

#include <QString>

#include <array>

// The activity history of a profile: the last 99 changes, newest first. It
// always holds exactly 99 entries; an entry with an empty actionText is an
// empty one, kept in its place but never shown. Showing the log is the
// window's business.
namespace cashvane {

struct HistoryEntry {
    QString dateText;
    QString actionText;

    bool operator==(const HistoryEntry&) const = default;
};

class HistoryLog {
public:
    static constexpr int kEntries = 99;
    static constexpr QStringView kDateMask = u"%dd/%mm/%yyyy";

    // Adds the newest entry, dated by `now`; the oldest entry is dropped.
    void logAction(const QString& actionText, CalendarTime now);

    // Empties all 99 entries.
    void clearHistory();

    // REQUIRES: 1 <= k <= kEntries; entry 1 is the newest.
    const HistoryEntry& entry(int k) const;
    HistoryEntry& entry(int k);

    bool operator==(const HistoryLog&) const = default;

private:
    std::array<HistoryEntry, kEntries> entries_;
};

} // namespace cashvane
