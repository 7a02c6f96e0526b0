#include "engine/Recalculate.h"
#include "model/Choices.h"

#include <benchmark/benchmark.h>

#include <array>

// The whole pass on a full profile: 100 income sources, 100 expenses and 100
// accounts of every frequency with a spread of start and end dates, and 99
// history lines. Run from the build folder:
//   bench/engine/recalculate_bench
namespace {

using cashvane::FrequencyCode;

constexpr std::array<FrequencyCode, 7> kFrequencies = {
    FrequencyCode::OneOff,
    FrequencyCode::Daily,
    FrequencyCode::Weekly,
    FrequencyCode::Fortnightly,
    FrequencyCode::Monthly,
    FrequencyCode::Yearly,
    static_cast<FrequencyCode>(3),
};

// Entry k starts somewhere between 2008 and 2011; every third has an end date,
// between 2010 and 2012, and the rest run without end.
cashvane::RecurringEntry entryNumber(int k, const QStringList& categories)
{
    cashvane::RecurringEntry entry;
    entry.title = categories[k % categories.size()];
    entry.useCustom = k % 5 == 0 ? 1 : 0;
    entry.customTitle = QStringLiteral("Custom %1").arg(k);
    entry.frequency = kFrequencies[static_cast<std::size_t>(k) % kFrequencies.size()];
    entry.startDay = 1 + k % 28;
    entry.startMonth = 1 + k % 12;
    entry.startYear = 2008 + k % 4;
    entry.endDay = 1 + (k * 7) % 28;
    entry.endMonth = 1 + (k * 5) % 12;
    entry.endYear = 2010 + k % 3;
    entry.noEndDate = k % 3 == 0 ? 0 : 1;
    entry.bankIndex = k % 101;
    entry.paidInCash = k % 4 == 0 ? 1 : 0;
    entry.amount = 12.5f * static_cast<float>(k);
    return entry;
}

cashvane::Profile fullProfile()
{
    cashvane::Profile profile;
    profile.profileName = QStringLiteral("Full Profile");
    for (int k = 1; k <= 100; ++k) {
        profile.incomes.append(entryNumber(k, cashvane::incomeCategories()));
        profile.expenses.append(entryNumber(k + 1000, cashvane::expenseCategories()));
        profile.accounts.append({ QStringLiteral("Account %1").arg(k), 1, QStringLiteral("Bank"),
            100.0f * static_cast<float>(k), 50.0f });
    }
    const cashvane::CalendarTime day = cashvane::calendarTime(2010, 3, 5, 12, 0, 0);
    for (int k = 1; k <= cashvane::HistoryLog::kEntries; ++k)
        profile.history.logAction(QStringLiteral("Add Expense: Rent/Mortgage"), day);
    return profile;
}

void recalculateFullProfile(benchmark::State& state)
{
    const cashvane::Profile profile = fullProfile();
    const cashvane::CalendarTime now = cashvane::calendarTime(2010, 8, 11, 9, 30, 0);
    cashvane::SeededRandom random(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(cashvane::recalculate(profile, now, now, random));
}

BENCHMARK(recalculateFullProfile)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
