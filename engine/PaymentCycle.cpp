#include "PaymentCycle.h"

#include <limits>

namespace cashvane {

namespace {

constexpr int kEveryActiveWeek = 0;
constexpr int kEverySecondWeek = 1;
constexpr int kEveryFourthWeek = 3;
constexpr int kEveryFiftySecondWeek = 51;

// A daily entry pays seven times its amount in each week it pays at all.
float perWeekAmount(const RecurringEntry& entry)
{
    if (entry.frequency == FrequencyCode::Daily)
        return 7.0f * entry.amount;
    return entry.amount;
}

// How many active weeks the entry lets pass after each week in which it pays.
// A month is four weeks here; a yearly entry, a one-off payment and any
// unknown code pay once in 52 weeks, so a one-off dated early in its
// two-year period can pay twice within the 53 projected weeks.
int skipWeeksOf(FrequencyCode frequency)
{
    switch (frequency) {
    case FrequencyCode::Daily:
    case FrequencyCode::Weekly:
        return kEveryActiveWeek;
    case FrequencyCode::Fortnightly:
        return kEverySecondWeek;
    case FrequencyCode::Monthly:
        return kEveryFourthWeek;
    case FrequencyCode::Yearly:
    case FrequencyCode::OneOff:
        break;
    }
    return kEveryFiftySecondWeek;
}

// The end of a period that runs two years from the start date. 29 February
// plus two years does not exist, so such an entry is never active. A year so
// large that two more would not fit is no date either.
CalendarTime twoYearsOn(const RecurringEntry& entry)
{
    if (entry.startYear > std::numeric_limits<int>::max() - 2)
        return kInvalidTime;
    return calendarTime(entry.startYear + 2, entry.startMonth, entry.startDay, 23, 59, 59);
}

} // namespace

ActivePeriod activePeriod(const RecurringEntry& entry)
{
    ActivePeriod period;
    period.start = calendarTime(entry.startYear, entry.startMonth, entry.startDay, 0, 0, 0);
    if (entry.frequency == FrequencyCode::OneOff || entry.noEndDate != 0)
        period.end = twoYearsOn(entry);
    else
        period.end = calendarTime(entry.endYear, entry.endMonth, entry.endDay, 23, 59, 59);
    return period;
}

PaymentCycle::PaymentCycle(const RecurringEntry& entry)
    : period_(activePeriod(entry))
    , perWeek_(perWeekAmount(entry))
    , skipWeeks_(skipWeeksOf(entry.frequency))
{
}

float PaymentCycle::shareOf(WeekWindow week)
{
    if (!period_.covers(week))
        return 0.0f;
    // The counter says how many active weeks have passed since the entry last
    // paid: a monthly entry (3 weeks skipped) goes 0 pay, 1, 2, 3, 0 pay, ...
    const float share = skipWeeks_ > 0 && counter_ > 0 ? 0.0f : perWeek_;
    ++counter_;
    if (counter_ > skipWeeks_)
        counter_ = 0;
    return share;
}

} // namespace cashvane
