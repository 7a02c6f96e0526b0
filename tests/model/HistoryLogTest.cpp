#include "model/HistoryLog.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

TEST(HistoryLog, PutsTheNewestLineFirstWithTodaysDate)
{
    HistoryLog log;
    log.logAction("Add Expense: Rent/Mortgage", calendarTime(2010, 3, 5, 9, 0, 0));
    log.logAction("Add Bank: Main", calendarTime(2010, 3, 5, 17, 30, 0));
    EXPECT_EQ(log.entry(1), (HistoryEntry{"05/03/2010", "Add Bank: Main"}));
    EXPECT_EQ(log.entry(2), (HistoryEntry{"05/03/2010", "Add Expense: Rent/Mortgage"}));
    EXPECT_EQ(log.entry(3), HistoryEntry{});
}

TEST(HistoryLog, DropsTheOldestLineOnceNinetyNineAreKept)
{
    HistoryLog log;
    const CalendarTime day = calendarTime(2010, 8, 11, 12, 0, 0);
    for (int i = 1; i <= 100; ++i)
        log.logAction(QStringLiteral("Deposit: %1.00->Main").arg(i), day);
    EXPECT_EQ(log.entry(1).actionText, "Deposit: 100.00->Main");
    EXPECT_EQ(log.entry(99).actionText, "Deposit: 2.00->Main");
}

TEST(HistoryLog, ClearingEmptiesEveryEntry)
{
    HistoryLog log;
    log.logAction("Add Income: Pension", calendarTime(2010, 8, 11, 12, 0, 0));
    log.clearHistory();
    EXPECT_EQ(log, HistoryLog{});
}

} // namespace
} // namespace cashvane
