// The menu bar of the main window. Every item hands its id to the dispatch.
#include "MainWindow.h"

#include "ControlIds.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <initializer_list>

namespace cashvane {

namespace {

constexpr int kRule = -1;

struct MenuItem {
    int id; // kRule for a separator line
    const char* caption;
};

struct MenuLayout {
    const char* title;
    std::initializer_list<MenuItem> items;
};

const MenuItem kRuleItem { kRule, "" };

// Captions carry no '&': no item has an access letter.
const std::initializer_list<MenuLayout> kMenus = {
    { "File",
        { { menu::kNewProfile, "New Profile.." }, kRuleItem,
            { menu::kOpenSession, "Open Session.." }, { menu::kSaveSession, "Save Session" },
            { menu::kSaveSessionAs, "Save Session As.." }, kRuleItem, { menu::kExit, "Exit" } } },
    { "Tools",
        { { menu::kProfileSummary, "Profile Summary" }, { menu::kShowHistory, "Show History" },
            kRuleItem, { menu::kRecalculate, "Recalculate" }, kRuleItem,
            { menu::kExportReport, "Export Quick-Report to File.." } } },
    { "Income",
        { { menu::kAddIncome, "Add Income" }, { menu::kEditIncome, "Edit Income" },
            { menu::kRemoveIncome, "Remove Income" } } },
    { "Expenses",
        { { menu::kAddExpense, "Add Expense" }, { menu::kEditExpense, "Edit Expense" },
            { menu::kRemoveExpense, "Remove Expense" } } },
    { "Banking",
        { { menu::kAddAccount, "Add Bank Account" }, { menu::kEditAccount, "Edit Bank Account" },
            { menu::kRemoveAccount, "Remove Bank Account" }, { menu::kDeposit, "Register Deposit" },
            { menu::kWithdrawal, "Register Withdrawal" } } },
    { "Reports",
        { { menu::kAtAGlance, "At a Glance" }, { menu::kIncomePage, "Income" },
            { menu::kExpensesPage, "Expenses" }, { menu::kBankingPage, "Banking" },
            { menu::kCashflowPage, "Cashflow" } } },
    { "Help",
        { { menu::kGettingStarted, "Getting Started.." }, { menu::kUserManual, "User Manual" },
            { menu::kAbout, "About.." }, kRuleItem, { menu::kWebsite, "Official Website" } } },
};

} // namespace

void MainWindow::buildMenus()
{
    for (const MenuLayout& menuLayout : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(menuLayout.title));
        for (const MenuItem& item : menuLayout.items) {
            if (item.id == kRule) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QStringLiteral("menu-%1").arg(item.id));
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] {
                if (menuCommand_)
                    menuCommand_(id);
            });
        }
    }
}

} // namespace cashvane
