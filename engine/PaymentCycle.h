#pragma once

#include "model/Calendar.h"
#include "model/Records.h"

// When one entry pays during the cashflow projection. An entry is active in a
// week only when the whole week lies inside its active period; its cycle
// counter moves only in active weeks, so a fortnightly entry pays in its
// first active week of the projection and then in every second active week,
// whatever its start date. Summing the weeks is the projection's business.
namespace cashvane {

// The first and last second of a projected week: Sunday 00:00:00 to the
// following Saturday 23:59:59.
struct WeekWindow {
    CalendarTime start = 0;
    CalendarTime end = 0;
};

// From the start date at midnight to the end date at 23:59:59. A one-off
// payment and an entry without end date run for two years after their start
// instead. A date that does not exist gives the time -1: a start of -1 lies
// before every week, an end of -1 makes the entry never active.
struct ActivePeriod {
    CalendarTime start = kInvalidTime;
    CalendarTime end = kInvalidTime;

    bool covers(WeekWindow week) const { return start <= week.start && week.end <= end; }
};

ActivePeriod activePeriod(const RecurringEntry& entry);

class PaymentCycle {
public:
    explicit PaymentCycle(const RecurringEntry& entry);

    // What the entry pays in the week, 0 when it is not active then. Weeks
    // must be asked for in order, each once. Returning 0 rather than nothing
    // for an inactive week leaves every week's sum as it was: a sum of floats
    // that starts at +0 never becomes -0, and x + 0 is x for every other x.
    float shareOf(WeekWindow week);

private:
    ActivePeriod period_;
    float perWeek_;
    int skipWeeks_;
    int counter_ = 0;
};

} // namespace cashvane
