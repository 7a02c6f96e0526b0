#include "ResultView.h"

#include "ControlIds.h"

#include "engine/chart/PieChart.h"
#include "engine/report/QuickReport.h"

#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace cashvane {

namespace {

void emptyViews(MainWindow& window)
{
    window.summaryTree()->clear();
    for (QTableWidget* list : { window.historyList(), window.expenseTotalsList(),
             window.outlookList(), window.incomeList(), window.expenseList(), window.bankingList(),
             window.projectionList() })
        list->setRowCount(0);
}

QTableWidgetItem* cell(const QString& text)
{
    return new QTableWidgetItem(text);
}

void fillList(QTableWidget* list, const std::vector<ListRow>& rows)
{
    list->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < list->rowCount(); ++r) {
        const ListRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < std::min(list->columnCount(), static_cast<int>(row.size())); ++c)
            list->setItem(r, c, cell(row[c]));
    }
}

// The whole row takes the week's colour, the cells the row does not fill too.
void fillColouredList(QTableWidget* list, const std::vector<ColouredRow>& rows)
{
    list->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < list->rowCount(); ++r) {
        const ColouredRow& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < list->columnCount(); ++c) {
            QTableWidgetItem* item = cell(c < row.cells.size() ? row.cells[c] : QString());
            item->setBackground(row.background);
            list->setItem(r, c, item);
        }
    }
}

// An item of depth d + 1 belongs to the last item of depth d before it; one
// with no such item above it goes to the top level rather than be lost.
void fillTree(QTreeWidget* tree, const std::vector<TreeItem>& items)
{
    std::array<QTreeWidgetItem*, 8> lastAtDepth {};
    for (const TreeItem& item : items) {
        const auto depth = static_cast<std::size_t>(
            std::clamp(item.depth, 0, static_cast<int>(lastAtDepth.size()) - 1));
        QTreeWidgetItem* parent = depth > 0 ? lastAtDepth[depth - 1] : nullptr;
        auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        node->setText(0, item.text);
        if (item.colour)
            node->setForeground(0, *item.colour);
        lastAtDepth[depth] = node;
        std::fill(lastAtDepth.begin() + static_cast<std::ptrdiff_t>(depth) + 1, lastAtDepth.end(),
            nullptr);
    }
}

void drawChart(MainWindow& window, const ChartSlices& slices)
{
    drawExpensesChart(window.chartPicture(), slices);
    window.showChartPicture();
}

// A template that cannot be read is replaced by a notice saying so, into
// which no figures are written. The report is put together in a document of
// its own and handed to the view whole: edited inside the view, it would be
// laid out again after every paragraph and field. A document handed to the
// view stays the caller's to delete; the one the view started with is its
// own, and it deletes that one itself.
void fillReport(
    QTextEdit* view, const std::vector<ReportField>& fields, const QString& templatePath)
{
    auto* document = new QTextDocument(view);
    document->setDefaultFont(view->font());
    if (loadReportTemplate(*document, templatePath)) {
        for (const ReportField& field : fields)
            setReportField(*document, field.line, field.column, field.text);
    }
    const QPointer<QTextDocument> previous = view->document();
    const bool handedIn = previous->parent() == view;
    view->setDocument(document);
    if (handedIn && previous)
        delete previous;
}

} // namespace

void showResult(
    MainWindow& window, const RecalculationResult& result, const QString& reportTemplatePath)
{
    emptyViews(window);
    window.profileNameLabel()->setText(result.profileNameLabel);
    fillReport(window.reportView(), result.reportFields, reportTemplatePath);
    fillList(window.historyList(), result.history);
    drawChart(window, result.chartSlices);
    fillTree(window.summaryTree(), result.summaryTree);
    fillList(window.expenseTotalsList(), result.expenseTotals);
    fillList(window.incomeList(), result.income);
    fillList(window.expenseList(), result.expenses);
    fillList(window.bankingList(), result.banking);
    fillColouredList(window.projectionList(), result.projection);
    fillColouredList(window.outlookList(), result.outlook);
    window.financePanel()->setCurrentIndex(page::kAtAGlance);
}

} // namespace cashvane
