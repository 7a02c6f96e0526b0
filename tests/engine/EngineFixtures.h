#pragma once

#include "model/Calendar.h"
#include "model/Profile.h"
#include "tests/support/CaseName.h"

#include <QColor>
#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

// Small builders for the engine tests: entries and accounts from the few
// fields a case cares about, and the times the cases run at.
namespace cashvane::test {

struct Date {
    int day;
    int month;
    int year;
};

// An entry with the given frequency, amount and dates; no end date when `end`
// is empty. Not linked to an account and not paid in cash.
inline RecurringEntry entry(FrequencyCode frequency, float amount, Date start,
    std::optional<Date> end = std::nullopt, const QString& title = QStringLiteral("Other.."))
{
    RecurringEntry e;
    e.title = title;
    e.frequency = frequency;
    e.amount = amount;
    e.startDay = start.day;
    e.startMonth = start.month;
    e.startYear = start.year;
    const Date last = end.value_or(start);
    e.endDay = last.day;
    e.endMonth = last.month;
    e.endYear = last.year;
    e.noEndDate = end ? 0 : 1;
    return e;
}

inline RecurringEntry chargedTo(RecurringEntry e, int bankIndex, int paidInCash = 0)
{
    e.bankIndex = bankIndex;
    e.paidInCash = paidInCash;
    return e;
}

inline BankAccount account(
    const QString& name, const QString& bank, float balance, float overdraftLimit = 0.0f)
{
    return { name, 1, bank, balance, overdraftLimit };
}

inline CalendarTime at(Date date, int hour = 9, int minute = 30, int second = 15)
{
    return calendarTime(date.year, date.month, date.day, hour, minute, second);
}

// The run most cases use: Wednesday 11 August 2010, mid-morning.
inline const CalendarTime kWednesday11August2010 = at({ 11, 8, 2010 });

inline Profile profileWith(std::initializer_list<RecurringEntry> incomes,
    std::initializer_list<RecurringEntry> expenses = {},
    std::initializer_list<BankAccount> accounts = {})
{
    Profile profile;
    for (const RecurringEntry& e : incomes)
        profile.incomes.append(e);
    for (const RecurringEntry& e : expenses)
        profile.expenses.append(e);
    for (const BankAccount& a : accounts)
        profile.accounts.append(a);
    return profile;
}

} // namespace cashvane::test

// Failure messages show texts and colours as they read, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << '(' << colour.red() << ", " << colour.green() << ", " << colour.blue() << ')';
}
