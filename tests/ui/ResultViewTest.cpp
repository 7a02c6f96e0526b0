#include "ProgramFixture.h"

#include "engine/chart/PieChart.h"
#include "engine/report/QuickReport.h"
#include "ui/ResultView.h"

#include <QLabel>
#include <QPointer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

namespace cashvane::test {
namespace {

const QColor kGreen(0, 153, 0);
const QColor kPink(255, 188, 188);
const QColor kMint(204, 255, 204);

RecalculationResult smallResult()
{
    RecalculationResult result;
    result.profileNameLabel = "Sam Reyes";
    result.history
        = { { "05/03/2010", "Add Expense: Rent/Mortgage" }, { "04/03/2010", "Add Bank: Main" } };
    result.summaryTree = { { 0, "Summary Estimates", {} }, { 1, "Current", {} },
        { 2, "Balance: 10.00", kGreen }, { 0, "Income", {} }, { 1, "Wages / Salary", {} },
        { 0, "Expenses", {} }, { 0, "Banking", {} } };
    result.expenseTotals = { { "Current", "450.00" }, { "Daily", "14.79" } };
    result.outlook = { { { "14 / 08 / 10", "0.00", "450.00", "-450.00", "-450.00" }, kPink },
        { { "21 / 08 / 10", "0.00", "0.00", "0.00", "-450.00" }, kMint } };
    result.income = { { "Wages / Salary", "1500.00", "01 / 01 / 10", "--", "Monthly" } };
    result.expenses = { { "Rent/Mortgage", "450.00", "01 / 01 / 10", "--", "Monthly" } };
    result.banking = { { "Main", "1000.00", "450.00", "250.00", "800.00" } };
    result.projection = { { { "1", "21 / 08 / 10", "0.00", "0.00", "0.00", "-450.00" }, kMint } };
    result.reportFields = { { 1, 22, "Sam Reyes" }, { 5, 16, "1500.00" } };
    result.chartSlices = { { 450, "Rent/Mortgage (450.00)", QColor(207, 186, 119) } };
    return result;
}

QStringList rowOf(const QTableWidget* list, int row)
{
    QStringList cells;
    for (int column = 0; column < list->columnCount(); ++column)
        cells << (list->item(row, column) ? list->item(row, column)->text() : QString("<none>"));
    return cells;
}

class ResultViewTest : public ProgramFixture {
protected:
    MainWindow& window() { return program_->window(); }
    QString templatePath() const { return reportTemplatePath(folders_.programDir); }
};

TEST_F(ResultViewTest, FillsEveryListWithItsRowsInOrder)
{
    showResult(window(), smallResult(), templatePath());

    EXPECT_EQ(window().profileNameLabel()->text(), "Sam Reyes");
    ASSERT_EQ(window().historyList()->rowCount(), 2);
    EXPECT_EQ(rowOf(window().historyList(), 0),
        QStringList({ "05/03/2010", "Add Expense: Rent/Mortgage" }));
    EXPECT_EQ(rowOf(window().expenseTotalsList(), 1), QStringList({ "Daily", "14.79" }));
    EXPECT_EQ(rowOf(window().incomeList(), 0), smallResult().income[0]);
    EXPECT_EQ(rowOf(window().expenseList(), 0), smallResult().expenses[0]);
    EXPECT_EQ(rowOf(window().bankingList(), 0), smallResult().banking[0]);
    EXPECT_EQ(rowOf(window().projectionList(), 0), smallResult().projection[0].cells);
    EXPECT_EQ(rowOf(window().outlookList(), 1), smallResult().outlook[1].cells);
}

TEST_F(ResultViewTest, ColoursWholeRowsOfTheWeekLists)
{
    showResult(window(), smallResult(), templatePath());
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(window().outlookList()->item(0, column)->background().color(), kPink);
        EXPECT_EQ(window().outlookList()->item(1, column)->background().color(), kMint);
    }
    EXPECT_EQ(window().projectionList()->item(0, 5)->background().color(), kMint);
}

TEST_F(ResultViewTest, BuildsTheTreeByDepthWithItemColours)
{
    showResult(window(), smallResult(), templatePath());
    QTreeWidget* tree = window().summaryTree();
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    const QStringList branches = { "Summary Estimates", "Income", "Expenses", "Banking" };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tree->topLevelItem(i)->text(0), branches[i]);
    const QTreeWidgetItem* balance = tree->topLevelItem(0)->child(0)->child(0);
    ASSERT_NE(balance, nullptr);
    EXPECT_EQ(balance->text(0), "Balance: 10.00");
    EXPECT_EQ(balance->foreground(0).color(), kGreen);
    EXPECT_EQ(tree->topLevelItem(0)->foreground(0).style(), Qt::NoBrush);
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(0), "Wages / Salary");
    EXPECT_EQ(tree->topLevelItem(2)->childCount(), 0);
}

TEST_F(ResultViewTest, ASecondResultReplacesEverythingTheFirstShowed)
{
    showResult(window(), smallResult(), templatePath());
    window().incomeList()->selectRow(0);
    showResult(window(), RecalculationResult {}, templatePath());

    EXPECT_EQ(window().profileNameLabel()->text(), "");
    EXPECT_EQ(window().summaryTree()->topLevelItemCount(), 0);
    for (const QTableWidget* list : { window().historyList(), window().expenseTotalsList(),
             window().outlookList(), window().incomeList(), window().expenseList(),
             window().bankingList(), window().projectionList() })
        EXPECT_EQ(list->rowCount(), 0) << list->objectName().toStdString();
    EXPECT_EQ(Program::selectedRecord(window().incomeList()), 0);
}

TEST_F(ResultViewTest, PaintsTheChartAsTheChartDrawingDoes)
{
    const RecalculationResult result = smallResult();
    showResult(window(), result, templatePath());
    const auto* view = window().findChild<QLabel*>("control-9");
    EXPECT_EQ(view->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
        drawExpensesChart(result.chartSlices));
}

TEST_F(ResultViewTest, ReloadsTheTemplateAndWritesEveryField)
{
    window().reportView()->setPlainText("edited by hand");
    showResult(window(), smallResult(), templatePath());

    const QTextDocument* report = window().reportView()->document();
    EXPECT_FALSE(report->toPlainText().contains("edited by hand"));
    EXPECT_TRUE(report->findBlockByNumber(1).text().endsWith("Sam Reyes"));
    EXPECT_EQ(report->findBlockByNumber(1).text().size(), 21 + QString("Sam Reyes").size());
    EXPECT_TRUE(report->findBlockByNumber(5).text().endsWith("1500.00"));
}

TEST_F(ResultViewTest, EveryPassLeavesTheViewOneReportAndDropsTheOneBefore)
{
    QTextEdit* view = window().reportView();
    view->setFont(QFont("Liberation Mono", 15));
    showResult(window(), smallResult(), templatePath());
    QPointer<QTextDocument> before = view->document();
    showResult(window(), smallResult(), templatePath());

    EXPECT_TRUE(before.isNull());
    EXPECT_EQ(view->findChildren<QTextDocument*>(Qt::FindDirectChildrenOnly).size(), 1);
    EXPECT_EQ(view->document()->defaultFont(), view->font());
    EXPECT_TRUE(view->document()->findBlockByNumber(1).text().endsWith("Sam Reyes"));
}

TEST_F(ResultViewTest, MissingTemplateShowsANoticeWithoutFigures)
{
    showResult(window(), smallResult(), homePath("no-such-template.rtf"));
    const QString report = window().reportView()->toPlainText();
    EXPECT_TRUE(report.contains("no-such-template.rtf"));
    EXPECT_FALSE(report.contains("1500.00"));
    EXPECT_EQ(window().incomeList()->rowCount(), 1);
}

TEST_F(ResultViewTest, EndsOnTheFirstPageOfTheFinancePanel)
{
    window().financePanel()->setCurrentIndex(4);
    window().accountPanel()->setCurrentIndex(1);
    showResult(window(), smallResult(), templatePath());
    EXPECT_EQ(window().financePanel()->currentIndex(), 0);
    EXPECT_EQ(window().accountPanel()->currentIndex(), 1);
}

} // namespace
} // namespace cashvane::test
