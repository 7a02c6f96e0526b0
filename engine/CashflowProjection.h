#pragma once

#include "engine/PaymentCycle.h"
#include "engine/RecalculationResult.h"
#include "model/Calendar.h"
#include "model/Profile.h"

#include <QColor>
#include <QString>

#include <vector>

// The cashflow projection: the profile run forward from today for 53 weeks
// (0 to 52), adding up what each week brings in and takes out and carrying a
// running balance from the money in all accounts. Week 0 is counted into every
// running balance but only the outlook list shows it. Which entries pay in a
// week is the payment cycle's business; where the rows go is the pass's.
namespace cashvane {

inline constexpr int kProjectedWeeks = 53;
inline constexpr int kOutlookWeeks = 16;

// The coming Saturday at the present time of day, or today on a Saturday.
CalendarTime firstWeekEnd(CalendarTime now);

// The Saturday before week w, which labels the week's row.
CalendarTime weekLabelTime(CalendarTime firstWeekEnd, int w);

// The Sunday to Saturday that week w counts: the seven days after its label.
WeekWindow weekWindow(CalendarTime firstWeekEnd, int w);

// Light red when the running balance is below 0, else light orange when the
// week lost money, else light green; NaN counts as below 0.
QColor weekColour(float weekNet, float runningBalance);

struct CashflowProjection {
    std::vector<ColouredRow> outlook; // weeks 0 to 15
    std::vector<ColouredRow> projection; // weeks 1 to 52
    QString block; // a heading and one line per week 1 to 52
};

CashflowProjection projectCashflow(const Profile& profile, float totalBalance, CalendarTime now);

} // namespace cashvane
