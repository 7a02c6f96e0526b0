#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Calendar time: seconds since 1970-01-01 00:00:00 on the local calendar, with
// every day exactly 86,400 seconds long. No time zone or daylight-saving shift
// enters the count, so adding 604,800 always gives the same time of day one
// week later. The count is 64 bits wide and runs on the proleptic Gregorian
// calendar, so every year a dialog offers (1920 to 2050) converts.
namespace cashvane {

using CalendarTime = std::int64_t;

// What calendarTime() gives for values that do not form a date and time.
// Engine arithmetic uses it as a plain time, as the figures always have.
inline constexpr CalendarTime kInvalidTime = -1;

inline constexpr CalendarTime kSecondsPerDay = 86'400;
inline constexpr CalendarTime kSecondsPerWeek = 7 * kSecondsPerDay;

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The count for a local date and time, or kInvalidTime when the values do not
// form one: a month outside 1 to 12, a day the month does not have, an hour
// above 23, a minute or second above 59, a negative part, or a year below 1.
CalendarTime calendarTime(int year, int month, int day, int hour, int minute, int second);

// The clock: the current local date and time to the second. Only the user
// interface reads it; every computation takes the time as an argument.
CalendarTime now();

// 0 for Sunday, 1 for Monday, up to 6 for Saturday.
int dayOfWeek(CalendarTime t);

// The calendar date on which t falls.
CalendarDate dateOf(CalendarTime t);

// Writes t through a date mask: "%yyyy" (four-digit year), "%yy" (last two
// digits), "%mm" and "%dd" (two digits each), in either case; every other
// character, a lone "%" included, is copied as it stands.
QString maskedDate(QStringView mask, CalendarTime t);

} // namespace cashvane
