#include "Recalculate.h"

#include "engine/BankingList.h"
#include "engine/CashflowProjection.h"
#include "engine/ChartInput.h"
#include "engine/DateLabel.h"
#include "engine/EntryLists.h"
#include "engine/ReportLayout.h"
#include "engine/SummaryEstimates.h"

#include <iterator>

namespace cashvane {

namespace {

// The history list shows the entries newest first and leaves out the empty
// ones without a gap.
std::vector<ListRow> historyRows(const HistoryLog& history)
{
    std::vector<ListRow> rows;
    for (int k = 1; k <= HistoryLog::kEntries; ++k) {
        const HistoryEntry& entry = history.entry(k);
        if (!entry.actionText.isEmpty())
            rows.push_back({ entry.dateText, entry.actionText });
    }
    return rows;
}

template <typename T> void append(std::vector<T>& to, std::vector<T>&& from)
{
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

void writeField(RecalculationResult& result, report::Place place, QString text)
{
    result.reportFields.push_back({ place.line, place.column, std::move(text) });
}

void addSummary(RecalculationResult& result, const Profile& profile)
{
    const SummaryTotals totals = summaryTotals(profile);
    append(result.reportFields, summaryReportFields(totals));
    result.summaryTree = summaryTreeItems(totals);
    result.expenseTotals = expenseTotalsRows(totals);
}

void addListing(
    RecalculationResult& result, Listing&& listing, std::vector<ListRow>& rows, int blockLine)
{
    append(result.summaryTree, std::move(listing.treeItems));
    rows = std::move(listing.rows);
    writeField(result, { blockLine, report::kBlockColumn }, std::move(listing.block));
}

} // namespace

RecalculationResult recalculate(
    const Profile& profile, CalendarTime now, CalendarTime startTime, RandomSource& random)
{
    RecalculationResult result;
    result.profileNameLabel = profile.profileName;
    result.dateLabel = dateLabelText(startTime);
    writeField(result, report::kProfileName, profile.profileName);
    writeField(result, report::kDate, QStringLiteral(": ") + result.dateLabel);
    result.history = historyRows(profile.history);
    result.chartSlices = chartSlices(profile.expenses, random);
    addSummary(result, profile);

    // Every block goes below the lines that the blocks before it inserted.
    const int incomes = profile.incomeCount();
    const int expenses = profile.expenseCount();
    const int accounts = profile.bankCount();
    addListing(result, listEntries(profile.incomes, QStringLiteral("Income")), result.income,
        report::kIncomeBlockLine);
    addListing(result, listEntries(profile.expenses, QStringLiteral("Expenses")), result.expenses,
        report::kExpenseBlockLine + incomes);
    BankingListing banking = listAccounts(profile);
    addListing(result, std::move(banking.listing), result.banking,
        report::kBankingBlockLine + incomes + expenses);

    CashflowProjection projection = projectCashflow(profile, banking.totalBalance, now);
    result.outlook = std::move(projection.outlook);
    result.projection = std::move(projection.projection);
    writeField(result,
        { report::kCashflowBlockLine + incomes + expenses + accounts, report::kBlockColumn },
        std::move(projection.block));
    return result;
}

} // namespace cashvane
