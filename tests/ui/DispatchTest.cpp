#include "ProgramFixture.h"

#include "tests/support/TestFiles.h"
#include "ui/ControlIds.h"

#include <QDir>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace cashvane::test {
namespace {

class DispatchTest : public ProgramFixture {
protected:
    QTabWidget* financePanel() { return program_->window().financePanel(); }
    QTabWidget* accountPanel() { return program_->window().accountPanel(); }
};

enum class Panel { Finance, Account };

struct PageCase {
    int menuId;
    Panel panel;
    int page;
};

// Every menu command that shows a page, the add, edit and remove forms
// included (their dialogs and removals belong to the commands they hand on to).
const PageCase kPageCases[] = {
    { menu::kAtAGlance, Panel::Finance, 0 },
    { menu::kIncomePage, Panel::Finance, 1 },
    { menu::kExpensesPage, Panel::Finance, 2 },
    { menu::kBankingPage, Panel::Finance, 3 },
    { menu::kCashflowPage, Panel::Finance, 4 },
    { menu::kProfileSummary, Panel::Account, 0 },
    { menu::kShowHistory, Panel::Account, 1 },
    { menu::kAddIncome, Panel::Finance, 1 },
    { menu::kEditIncome, Panel::Finance, 1 },
    { menu::kRemoveIncome, Panel::Finance, 1 },
    { menu::kAddExpense, Panel::Finance, 2 },
    { menu::kEditExpense, Panel::Finance, 2 },
    { menu::kRemoveExpense, Panel::Finance, 2 },
    { menu::kAddAccount, Panel::Finance, 3 },
    { menu::kEditAccount, Panel::Finance, 3 },
    { menu::kRemoveAccount, Panel::Finance, 3 },
    { menu::kDeposit, Panel::Finance, 3 },
    { menu::kWithdrawal, Panel::Finance, 3 },
};

TEST_F(DispatchTest, PageCommandsShowTheirPage)
{
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE(testing::Message() << "menu " << c.menuId);
        QTabWidget* panel = c.panel == Panel::Finance ? financePanel() : accountPanel();
        // Start from a page the command does not show.
        panel->setCurrentIndex(c.page == 0 ? 1 : 0);
        program_->runMenuCommand(c.menuId);
        EXPECT_EQ(panel->currentIndex(), c.page);
    }
}

TEST_F(DispatchTest, ButtonsDoNotSwitchPages)
{
    financePanel()->setCurrentIndex(page::kCashflow);
    for (const int id : { control::kAddIncome, control::kEditIncome, control::kRemoveExpense,
             control::kAddAccount, control::kDeposit, control::kWithdraw })
        program_->runControlEvent(id);
    EXPECT_EQ(financePanel()->currentIndex(), page::kCashflow);
}

// Ids that are no command: menu item 5, control ids of lists, panels and
// pictures, and numbers nothing carries.
TEST_F(DispatchTest, IdsNotInTheTablesDoNothing)
{
    loadSample();
    financePanel()->setCurrentIndex(page::kBanking);
    accountPanel()->setCurrentIndex(page::kHistory);
    const Profile before = program_->profile();
    const QString report = program_->window().reportView()->toPlainText();

    for (const int id : { 5, 30, 31, 99, 100, 101, -1, 1000 })
        program_->runMenuCommand(id);
    for (const int id : { 0, 2, 3, 4, 5, 6, 7, 8, 9, 11, 13, 23, 25, 28, 30, 54, 99, 102, -1 })
        program_->runControlEvent(id);

    EXPECT_EQ(program_->profile(), before);
    EXPECT_EQ(financePanel()->currentIndex(), page::kBanking);
    EXPECT_EQ(accountPanel()->currentIndex(), page::kHistory);
    EXPECT_EQ(program_->window().reportView()->toPlainText(), report);
    EXPECT_TRUE(prompts_.shown.empty());
    EXPECT_TRUE(opened_.empty());
}

TEST_F(DispatchTest, RefreshReportShowsPagesOneToFiveInTurnAndEndsOnTheReport)
{
    loadSample();
    program_->window().reportView()->setPlainText("edited by hand");
    financePanel()->setCurrentIndex(page::kQuickReport);

    program_->runControlEvent(control::kRefreshReport);

    EXPECT_EQ(heldPages_, (std::vector<int> { 1, 2, 3, 4, 5 }));
    EXPECT_EQ(financePanel()->currentIndex(), page::kQuickReport);
    EXPECT_TRUE(program_->window().reportView()->toPlainText().contains("Sam Reyes"));
}

TEST_F(DispatchTest, RecalculatingEndsOnTheFirstPage)
{
    for (const int page : { page::kIncome, page::kQuickReport }) {
        financePanel()->setCurrentIndex(page);
        program_->runMenuCommand(menu::kRecalculate);
        EXPECT_EQ(financePanel()->currentIndex(), page::kAtAGlance);
    }
    EXPECT_TRUE(heldPages_.empty());
}

TEST_F(DispatchTest, ClearHistoryEmptiesTheListWithoutMarkingTheProfileChanged)
{
    loadSample();
    ASSERT_GT(program_->window().historyList()->rowCount(), 0);
    financePanel()->setCurrentIndex(page::kBanking);

    program_->runControlEvent(control::kClearHistory);

    EXPECT_EQ(program_->window().historyList()->rowCount(), 0);
    EXPECT_EQ(program_->profile().history, HistoryLog());
    EXPECT_TRUE(program_->profile().profileSaved);
    EXPECT_EQ(program_->profile().profileName, "Sam Reyes");
    EXPECT_EQ(financePanel()->currentIndex(), page::kAtAGlance);
    EXPECT_TRUE(prompts_.shown.empty());
}

TEST_F(DispatchTest, HelpPagesAndWebsiteGoToTheDesktop)
{
    program_->runMenuCommand(menu::kGettingStarted);
    program_->runMenuCommand(menu::kUserManual);
    program_->runMenuCommand(menu::kWebsite);

    ASSERT_EQ(opened_.size(), 3u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(folders_.programDir + "help/guide.html"));
    EXPECT_EQ(opened_[1], QUrl::fromLocalFile(folders_.programDir + "help/manual.html"));
    EXPECT_EQ(opened_[2].scheme(), "https");
    EXPECT_TRUE(QFile::exists(opened_[0].toLocalFile()));
    EXPECT_TRUE(QFile::exists(opened_[1].toLocalFile()));
}

TEST_F(DispatchTest, AboutNamesTheProgramAndItsVersion)
{
    prompts_.answer(Answer::Ok);
    program_->runMenuCommand(menu::kAbout);

    ASSERT_EQ(prompts_.shown.size(), 1u);
    EXPECT_EQ(prompts_.shown[0].title, "About");
    EXPECT_TRUE(
        prompts_.shown[0].text.startsWith("Orbelin Cashvane 2\nVersion 2.00 (Build: 130810)\n"));
    EXPECT_TRUE(prompts_.shown[0].text.contains("\n \n"));
}

TEST_F(DispatchTest, MenuItemAndButtonExportTheReportViewAsShown)
{
    loadSample();
    for (const auto& [name, run] :
        std::initializer_list<std::pair<QString, std::function<void()>>> {
            { "FromMenu", [this] { program_->runMenuCommand(menu::kExportReport); } },
            { "FromButton", [this] { program_->runControlEvent(control::kExportReport); } } }) {
        prompts_.choose(homePath(name)).answer(Answer::Ok);
        run();
        EXPECT_TRUE(QFile::exists(homePath(name + ".rtf"))) << name.toStdString();
    }
    ASSERT_EQ(prompts_.shown.size(), 4u);
    EXPECT_EQ(prompts_.shown[0].text, folders_.homeDir);
    EXPECT_EQ(prompts_.shown[1].title, "Success!");
    EXPECT_TRUE(readBytes(homePath("FromButton.rtf")).contains("Sam Reyes"));
}

// Rows 2 and 4 selected (from 0): the topmost counts and shows record 3.
TEST_F(DispatchTest, SelectedRecordIsTheTopmostSelectedRowPlusOne)
{
    loadSample();
    QTableWidget* expenses = program_->window().expenseList();
    EXPECT_EQ(Program::selectedRecord(expenses), 0);
    expenses->selectRow(4);
    expenses->setRangeSelected(
        QTableWidgetSelectionRange(2, 0, 2, expenses->columnCount() - 1), true);
    EXPECT_EQ(Program::selectedRecord(expenses), 3);

    QTableWidget* history = program_->window().historyList();
    history->selectRow(1);
    history->selectRow(3);
    EXPECT_EQ(Program::selectedRecord(history), 4);
}

} // namespace
} // namespace cashvane::test
