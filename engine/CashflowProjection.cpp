#include "CashflowProjection.h"

#include "engine/Colours.h"
#include "model/Money.h"

namespace cashvane {

namespace {

constexpr QStringView kWeekLabelMask = u"%dd / %mm / %yy";
constexpr int kSaturday = 6;

std::vector<PaymentCycle> cyclesOf(const RecordList<RecurringEntry>& entries)
{
    std::vector<PaymentCycle> cycles;
    cycles.reserve(static_cast<std::size_t>(entries.count()));
    for (const RecurringEntry& entry : entries)
        cycles.emplace_back(entry);
    return cycles;
}

// Every entry is asked, active or not, in record order, rounding the sum to
// single precision after each addition.
float sumOfShares(std::vector<PaymentCycle>& cycles, WeekWindow week)
{
    float sum = 0.0f;
    for (PaymentCycle& cycle : cycles)
        sum = addAmounts(sum, cycle.shareOf(week));
    return sum;
}

struct WeekFigures {
    float income;
    float expenses;
    float net;
    float runningBalance;
};

// The running balance carries every week's net over to the next, week 0's
// included.
WeekFigures nextWeek(std::vector<PaymentCycle>& incomes, std::vector<PaymentCycle>& expenses,
    WeekWindow window, float runningBalance)
{
    WeekFigures week { sumOfShares(incomes, window), sumOfShares(expenses, window), 0.0f, 0.0f };
    week.net = week.income - week.expenses;
    week.runningBalance = addAmounts(runningBalance, week.net);
    return week;
}

// A week as the outlook list shows it; the projection list puts the week's
// number in front. Each text is made once and shared by the rows and the
// report block.
ColouredRow outlookRow(const QString& label, const WeekFigures& week)
{
    return { { label, moneyText(week.income), moneyText(week.expenses), moneyText(week.net),
                 moneyText(week.runningBalance) },
        weekColour(week.net, week.runningBalance) };
}

ColouredRow projectionRow(const QString& number, ColouredRow row)
{
    row.cells.prepend(number);
    return row;
}

QString blockLine(const QString& number, const ColouredRow& row)
{
    const QString& label = row.cells.front();
    const QString& runningBalance = row.cells.back();
    return number + u'\t' + label + u'\t' + runningBalance + u'\n';
}

} // namespace

CalendarTime firstWeekEnd(CalendarTime now)
{
    return now + (kSaturday - dayOfWeek(now)) * kSecondsPerDay;
}

CalendarTime weekLabelTime(CalendarTime firstWeekEnd, int w)
{
    return firstWeekEnd + w * kSecondsPerWeek;
}

WeekWindow weekWindow(CalendarTime firstWeekEnd, int w)
{
    const CalendarDate saturday = dateOf(weekLabelTime(firstWeekEnd, w + 1));
    const CalendarTime midnight
        = calendarTime(saturday.year, saturday.month, saturday.day, 0, 0, 0);
    return { midnight - 6 * kSecondsPerDay,
        calendarTime(saturday.year, saturday.month, saturday.day, 23, 59, 59) };
}

QColor weekColour(float weekNet, float runningBalance)
{
    // Written as "not 0 or more" so that NaN takes the warning colour.
    if (!(runningBalance >= 0.0f))
        return colours::kWeekOverdrawn;
    if (!(weekNet >= 0.0f))
        return colours::kWeekLosing;
    return colours::kWeekFine;
}

CashflowProjection projectCashflow(const Profile& profile, float totalBalance, CalendarTime now)
{
    const CalendarTime firstEnd = firstWeekEnd(now);
    std::vector<PaymentCycle> incomeCycles = cyclesOf(profile.incomes);
    std::vector<PaymentCycle> expenseCycles = cyclesOf(profile.expenses);

    CashflowProjection projection;
    projection.outlook.reserve(kOutlookWeeks);
    projection.projection.reserve(kProjectedWeeks - 1);
    projection.block = QStringLiteral("Wk \tWk-End      \tBalance\n");
    float runningBalance = totalBalance;
    for (int w = 0; w < kProjectedWeeks; ++w) {
        const WeekFigures week
            = nextWeek(incomeCycles, expenseCycles, weekWindow(firstEnd, w), runningBalance);
        runningBalance = week.runningBalance;
        ColouredRow row = outlookRow(maskedDate(kWeekLabelMask, weekLabelTime(firstEnd, w)), week);
        if (w != 0) {
            const QString number = QString::number(w);
            projection.block += blockLine(number, row);
            projection.projection.push_back(projectionRow(number, row));
        }
        if (w < kOutlookWeeks)
            projection.outlook.push_back(std::move(row));
    }
    return projection;
}

} // namespace cashvane
