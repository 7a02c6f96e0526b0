#include "model/Calendar.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

struct TimeCase {
    int year, month, day, hour, minute, second;
    CalendarTime expected;
};

TEST(CalendarTime, CountsSecondsOnTheProlepticCalendar)
{
    const TimeCase cases[] = {
        {1970, 1, 1, 0, 0, 0, 0},
        {2010, 8, 14, 0, 0, 0, 1'281'744'000},
        {2010, 3, 5, 0, 0, 0, 1'267'747'200},
        {2012, 2, 29, 0, 0, 0, 1'330'473'600},
        {2000, 2, 29, 12, 30, 15, 951'827'415},
        {2038, 1, 19, 3, 14, 8, 2'147'483'648},
        {1920, 1, 1, 0, 0, 0, -1'577'923'200},
        {2050, 12, 31, 23, 59, 59, 2'556'143'999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calendarTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

TEST(CalendarTime, GivesMinusOneForADateOrTimeThatDoesNotExist)
{
    const TimeCase cases[] = {
        {2011, 2, 29, 0, 0, 0, 0}, {1900, 2, 29, 0, 0, 0, 0}, {2010, 2, 30, 0, 0, 0, 0},
        {2010, 4, 31, 0, 0, 0, 0}, {2010, 6, 31, 0, 0, 0, 0}, {2010, 9, 31, 0, 0, 0, 0},
        {2010, 11, 31, 0, 0, 0, 0}, {2010, 0, 1, 0, 0, 0, 0},  {2010, 13, 1, 0, 0, 0, 0},
        {2010, 1, 0, 0, 0, 0, 0},  {2010, 1, 32, 0, 0, 0, 0}, {2010, 1, 1, 24, 0, 0, 0},
        {2010, 1, 1, 0, 60, 0, 0}, {2010, 1, 1, 0, 0, 60, 0}, {2010, 1, 1, -1, 0, 0, 0},
        {0, 1, 1, 0, 0, 0, 0},     {-5, 1, 1, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calendarTime(c.year, c.month, c.day, c.hour, c.minute, c.second), kInvalidTime)
            << c.year << '-' << c.month << '-' << c.day << ' ' << c.hour << ':' << c.minute
            << ':' << c.second;
    }
}

TEST(CalendarTime, TurnsBackIntoTheSameDateForEveryDayTheDialogsOffer)
{
    for (int year = 1920; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const CalendarTime t = calendarTime(year, month, day, 23, 59, 59);
                if (t == kInvalidTime)
                    continue;
                const CalendarDate date = dateOf(t);
                ASSERT_EQ(date.year, year);
                ASSERT_EQ(date.month, month);
                ASSERT_EQ(date.day, day);
                ASSERT_EQ(calendarTime(year, month, day, 0, 0, 0) + kSecondsPerDay - 1, t);
            }
        }
    }
}

TEST(DayOfWeek, CountsFromSunday)
{
    const std::pair<CalendarTime, int> cases[] = {
        {calendarTime(2010, 8, 14, 0, 0, 0), 6},
        {calendarTime(2010, 8, 14, 23, 59, 59), 6},
        {calendarTime(2010, 8, 15, 0, 0, 0), 0},
        {calendarTime(2010, 8, 11, 9, 0, 0), 3},
        {calendarTime(1970, 1, 1, 0, 0, 0), 4},
        {calendarTime(1969, 12, 31, 0, 0, 0), 3},
        {calendarTime(1920, 1, 1, 0, 0, 0), 4},
        {calendarTime(2050, 12, 31, 0, 0, 0), 6},
    };
    for (const auto& [t, weekday] : cases)
        EXPECT_EQ(dayOfWeek(t), weekday) << "time " << t;
}

TEST(MaskedDate, ReplacesTheCodesInEitherCase)
{
    const CalendarTime fifthOfMarch = calendarTime(2010, 3, 5, 14, 0, 0);
    const std::pair<const char16_t*, const char*> cases[] = {
        {u"%dd / %mm / %yy", "05 / 03 / 10"},
        {u"%dd/%mm/%yyyy", "05/03/2010"},
        {u"%mm %dd %yyyy", "03 05 2010"},
        {u"%DD.%Mm.%YYYY", "05.03.2010"},
        {u"%Yy", "10"},
        {u"%yyy", "10y"},
        {u"%%dd", "%05"},
        {u"100% %d %x", "100% %d %x"},
        {u"%", "%"},
        {u"", ""},
    };
    for (const auto& [mask, text] : cases) {
        EXPECT_EQ(maskedDate(QString::fromUtf16(mask), fifthOfMarch).toStdString(), text)
            << "mask " << QString::fromUtf16(mask).toStdString();
    }
}

TEST(MaskedDate, WritesYearsFarFromTheEpoch)
{
    EXPECT_EQ(maskedDate(u"%dd/%mm/%yyyy %yy", calendarTime(1920, 1, 9, 0, 0, 0)), "09/01/1920 20");
    EXPECT_EQ(maskedDate(u"%dd/%mm/%yyyy %yy", calendarTime(2050, 12, 31, 0, 0, 0)), "31/12/2050 50");
    EXPECT_EQ(maskedDate(u"%yyyy", calendarTime(999, 7, 1, 0, 0, 0)), "0999");
}

} // namespace
} // namespace cashvane
