#include "Calendar.h"

#include <QDateTime>

#include <cstdlib>

namespace cashvane {

namespace {

bool isLeapYear(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(std::int64_t year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days from 1970-01-01 to the given date. The year is counted from March, so
// that the leap day falls at the end of a counted year: a 400-year era then
// always holds 146,097 days, and the day of a year is a plain formula of the
// month (153 days for every five months from March on).
std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

CalendarDate civilFromDays(std::int64_t days)
{
    days += 719'468;
    const std::int64_t era = floorDiv(days, 146'097);
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(std::abs(value) % 100, 2, 10, QLatin1Char('0'));
}

bool matchesCode(QStringView mask, qsizetype at, QStringView code)
{
    return mask.mid(at, code.size()).compare(code, Qt::CaseInsensitive) == 0;
}

} // namespace

CalendarTime calendarTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return kInvalidTime;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return kInvalidTime;
    return daysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

CalendarTime now()
{
    const QDateTime local = QDateTime::currentDateTime();
    const QDate date = local.date();
    const QTime time = local.time();
    return calendarTime(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                        time.second());
}

int dayOfWeek(CalendarTime t)
{
    // 1970-01-01 was a Thursday.
    const std::int64_t days = floorDiv(t, kSecondsPerDay);
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

CalendarDate dateOf(CalendarTime t)
{
    return civilFromDays(floorDiv(t, kSecondsPerDay));
}

QString maskedDate(QStringView mask, CalendarTime t)
{
    const CalendarDate date = dateOf(t);
    QString text;
    text.reserve(mask.size() + 4);
    qsizetype i = 0;
    while (i < mask.size()) {
        if (mask[i] != u'%') {
            text += mask[i++];
        } else if (matchesCode(mask, i, u"%yyyy")) {
            text += QStringLiteral("%1").arg(date.year, 4, 10, QLatin1Char('0'));
            i += 5;
        } else if (matchesCode(mask, i, u"%yy")) {
            text += twoDigits(date.year);
            i += 3;
        } else if (matchesCode(mask, i, u"%mm")) {
            text += twoDigits(date.month);
            i += 3;
        } else if (matchesCode(mask, i, u"%dd")) {
            text += twoDigits(date.day);
            i += 3;
        } else {
            text += mask[i++];
        }
    }
    return text;
}

} // namespace cashvane
