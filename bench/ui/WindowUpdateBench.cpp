#include "engine/Recalculate.h"
#include "model/Choices.h"
#include "ui/MainWindow.h"
#include "ui/ResultView.h"

#include "engine/report/QuickReport.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Putting the result of a full profile (100 income sources, 100 expenses, 100
// accounts, 99 history lines) on screen: every list and the tree refilled, the
// chart painted, the report reloaded and filled. It should fit in one frame
// (16 ms). Run from the build folder; the median is the figure to read:
//   bench/ui/window_update_bench
namespace {

constexpr cashvane::FrequencyCode kEveryFrequency[]
    = { cashvane::FrequencyCode::OneOff, cashvane::FrequencyCode::Daily,
          cashvane::FrequencyCode::Weekly, cashvane::FrequencyCode::Fortnightly,
          cashvane::FrequencyCode::Monthly, cashvane::FrequencyCode::Yearly };

cashvane::Profile fullProfile(cashvane::CalendarTime now)
{
    cashvane::Profile profile;
    profile.profileName = QStringLiteral("Busy Household");
    for (int k = 0; k < 100; ++k) {
        cashvane::RecurringEntry entry;
        entry.title = cashvane::expenseCategories()[k % cashvane::expenseCategories().size()];
        entry.frequency = kEveryFrequency[k % 6];
        entry.startDay = 1 + k % 28;
        entry.startMonth = 1 + k % 12;
        entry.startYear = 2009 + k % 2;
        entry.noEndDate = 1;
        entry.bankIndex = 1 + k;
        entry.amount = 3.25f * static_cast<float>(k + 1);
        profile.incomes.append(entry);
        profile.expenses.append(entry);
        profile.accounts.append({ QStringLiteral("Account %1").arg(k + 1), k % 7,
            QStringLiteral("Bank"), 40.0f * static_cast<float>(k), 100.0f });
    }
    for (int k = 0; k < cashvane::HistoryLog::kEntries; ++k)
        profile.history.logAction(QStringLiteral("Add Income: Wages / Salary"), now);
    return profile;
}

void showFullProfile(benchmark::State& state)
{
    const cashvane::CalendarTime now = cashvane::calendarTime(2010, 8, 13, 9, 30, 0);
    cashvane::SeededRandom random(1);
    const cashvane::RecalculationResult result
        = cashvane::recalculate(fullProfile(now), now, now, random);
    QImage chart(300, 220, QImage::Format_RGB32);
    cashvane::MainWindow window(
        QImage(560, 50, QImage::Format_RGB32), chart, QStringLiteral("August 13th 2010"));
    window.show();
    const QString templatePath
        = cashvane::reportTemplatePath(QStringLiteral(CASHVANE_SOURCE_DIR "/"));
    for (auto _ : state) {
        cashvane::showResult(window, result, templatePath);
        // The frame that shows it is part of the update.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(showFullProfile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir runtimeDir;
    setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
