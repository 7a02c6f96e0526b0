// The controls of the main window, created in the order the keyboard focus
// moves through them.
#include "MainWindow.h"

#include "ControlIds.h"
#include "Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

namespace cashvane {

namespace {

const QString kNoProfile = QStringLiteral("<No Profile>");

// Group boxes only frame the controls over them, so they stay beneath.
void addFrame(QWidget* parent, int id, QRect geometry, const QString& caption)
{
    addGroupBox(parent, id, geometry, caption)->lower();
}

std::vector<Column> entryColumns()
{
    return { { "Name", 128 }, { "Amount", 100 }, { "Start Date", 100 }, { "End Date", 100 },
        { "Frequency", 100 } };
}

} // namespace

void MainWindow::buildControls(QWidget* area, const QImage& banner, const QString& dateText)
{
    addFrame(area, control::kAccountBox, { 0, 10, 210, 550 }, "User Account");
    addFrame(area, control::kFinanceBox, { 220, 70, 580, 490 }, "Finance Details");
    addPicture(area, control::kBanner, { 220, 10, 570, 50 }, banner, Border::Sunken);
    accountPanel_ = addTabPanel(
        area, control::kAccountPanel, { 10, 30, 190, 520 }, { "Overview", "History" });
    buildAccountPanel(dateText);
    financePanel_ = addTabPanel(area, control::kFinancePanel, { 230, 90, 560, 460 },
        { "At A Glance", "Income", "Expenses", "Banking", "Cashflow Projection", "Quick Report" });
    buildGlancePage();
    buildIncomePage();
    buildExpensesPage();
    buildBankingPage();
    buildCashflowPage();
    buildReportPage();
}

void MainWindow::buildAccountPanel(const QString& dateText)
{
    QWidget* overview = panelPage(accountPanel_, page::kOverview);
    profileNameLabel_
        = addLabel(overview, control::kProfileNameLabel, { 8, 8, 170, 20 }, kNoProfile);
    dateLabel_ = addLabel(overview, control::kDateLabel, { 8, 38, 170, 20 }, dateText);
    summaryTree_ = addTree(overview, control::kSummaryTree, { 8, 68, 170, 420 });

    QWidget* history = panelPage(accountPanel_, page::kHistory);
    historyList_ = addList(history, control::kHistoryList, { 8, 8, 170, 450 },
        { { "Date", 58 }, { "Action", 120 } }, Selection::Single);
    connectButton(history, control::kClearHistory, { 98, 458, 80, 30 }, "Clear History");
}

void MainWindow::buildGlancePage()
{
    QWidget* glance = panelPage(financePanel_, page::kAtAGlance);
    chartView_ = addPicture(
        glance, control::kChartView, { 238, 18, 300, 220 }, chartPicture_, Border::None);
    addFrame(glance, control::kTotalExpensesBox, { 8, 8, 540, 240 }, "Total Expenses");
    expenseTotalsList_ = addList(glance, control::kExpenseTotalsList, { 18, 28, 210, 210 },
        { { "Period", 100 }, { "Amount", 100 } }, Selection::Single);
    addFrame(glance, control::kOutlookBox, { 8, 258, 540, 170 }, "Financial Outlook");
    outlookList_ = addList(glance, control::kOutlookList, { 18, 278, 520, 140 },
        { { "Week Ending", 100 }, { "Income", 100 }, { "Expenses", 100 }, { "Balance", 100 },
            { "Accum' Balance", 100 } },
        Selection::Multiple);
}

void MainWindow::buildIncomePage()
{
    QWidget* income = panelPage(financePanel_, page::kIncome);
    incomeList_ = addList(
        income, control::kIncomeList, { 8, 8, 540, 380 }, entryColumns(), Selection::Multiple);
    connectButton(income, control::kAddIncome, { 138, 398, 130, 30 }, "Add Income Source");
    connectButton(income, control::kEditIncome, { 278, 398, 130, 30 }, "Edit Income Source");
    connectButton(income, control::kRemoveIncome, { 418, 398, 130, 30 }, "Remove Entry");
}

void MainWindow::buildExpensesPage()
{
    QWidget* expenses = panelPage(financePanel_, page::kExpenses);
    expenseList_ = addList(
        expenses, control::kExpenseList, { 8, 8, 540, 380 }, entryColumns(), Selection::Multiple);
    connectButton(expenses, control::kRemoveExpense, { 418, 398, 130, 30 }, "Remove Entry");
    connectButton(expenses, control::kEditExpense, { 278, 398, 130, 30 }, "Edit Expense");
    connectButton(expenses, control::kAddExpense, { 138, 398, 130, 30 }, "Add Expense");
}

void MainWindow::buildBankingPage()
{
    QWidget* banking = panelPage(financePanel_, page::kBanking);
    bankingList_ = addList(banking, control::kBankingList, { 8, 8, 540, 380 },
        { { "Bank Account", 128 }, { "Balance", 100 }, { "Debits / SO", 100 },
            { "Overdraft Limit", 100 }, { "Available Funds", 100 } },
        Selection::Multiple);
    connectButton(banking, control::kRemoveAccount, { 418, 398, 130, 30 }, "Remove Entry");
    connectButton(banking, control::kEditAccount, { 278, 398, 130, 30 }, "Edit Bank Account");
    connectButton(banking, control::kAddAccount, { 148, 398, 120, 30 }, "Add Bank Account");
    connectButton(banking, control::kDeposit, { 8, 398, 60, 30 }, "Deposit +");
    connectButton(banking, control::kWithdraw, { 78, 398, 60, 30 }, "Withdraw -");
}

void MainWindow::buildCashflowPage()
{
    QWidget* cashflow = panelPage(financePanel_, page::kCashflow);
    projectionList_ = addList(cashflow, control::kProjectionList, { 8, 8, 540, 420 },
        { { "Week #", 56 }, { "Week Ending", 92 }, { "Income", 92 }, { "Expenditure", 92 },
            { "Balance", 92 }, { "Accum' Balance", 100 } },
        Selection::Multiple);
}

void MainWindow::buildReportPage()
{
    QWidget* report = panelPage(financePanel_, page::kQuickReport);
    reportView_ = addReportView(report, control::kReportView, { 8, 8, 540, 388 });
    connectButton(report, control::kRefreshReport, { 418, 398, 130, 30 }, "Refresh Report");
    connectButton(report, control::kExportReport, { 278, 398, 130, 30 }, "Export .RTF File");
}

} // namespace cashvane
