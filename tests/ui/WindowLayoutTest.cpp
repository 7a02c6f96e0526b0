#include "ProgramFixture.h"

#include "ui/ControlIds.h"
#include "ui/Controls.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace cashvane::test {
namespace {

enum class Kind { GroupBox, TabPanel, Label, Picture, Tree, List, Button, ReportView };

// Where a control sits: in the window's area, or on a page of a panel.
struct Place {
    int panel = -1;
    int page = 0;
};

constexpr Place kArea {};
constexpr Place kOverview { control::kAccountPanel, 0 };
constexpr Place kHistory { control::kAccountPanel, 1 };
constexpr Place kGlance { control::kFinancePanel, 0 };
constexpr Place kIncome { control::kFinancePanel, 1 };
constexpr Place kExpenses { control::kFinancePanel, 2 };
constexpr Place kBanking { control::kFinancePanel, 3 };
constexpr Place kCashflow { control::kFinancePanel, 4 };
constexpr Place kReport { control::kFinancePanel, 5 };

struct ControlCase {
    int id;
    Kind kind;
    Place place;
    QRect geometry;
    QString caption; // group box title, label text or button caption
};

const ControlCase kControls[] = {
    { 0, Kind::GroupBox, kArea, { 0, 10, 210, 550 }, "User Account" },
    { 1, Kind::GroupBox, kArea, { 220, 70, 580, 490 }, "Finance Details" },
    { 5, Kind::Picture, kArea, { 220, 10, 570, 50 }, "" },
    { 2, Kind::TabPanel, kArea, { 10, 30, 190, 520 }, "" },
    { 23, Kind::Label, kOverview, { 8, 8, 170, 20 }, "<No Profile>" },
    { 24, Kind::Label, kOverview, { 8, 38, 170, 20 }, "August 13th 2010" },
    { 25, Kind::Tree, kOverview, { 8, 68, 170, 420 }, "" },
    { 28, Kind::List, kHistory, { 8, 8, 170, 450 }, "" },
    { 29, Kind::Button, kHistory, { 98, 458, 80, 30 }, "Clear History" },
    { 3, Kind::TabPanel, kArea, { 230, 90, 560, 460 }, "" },
    { 9, Kind::Picture, kGlance, { 238, 18, 300, 220 }, "" },
    { 10, Kind::GroupBox, kGlance, { 8, 8, 540, 240 }, "Total Expenses" },
    { 11, Kind::List, kGlance, { 18, 28, 210, 210 }, "" },
    { 12, Kind::GroupBox, kGlance, { 8, 258, 540, 170 }, "Financial Outlook" },
    { 13, Kind::List, kGlance, { 18, 278, 520, 140 }, "" },
    { 8, Kind::List, kIncome, { 8, 8, 540, 380 }, "" },
    { 14, Kind::Button, kIncome, { 138, 398, 130, 30 }, "Add Income Source" },
    { 15, Kind::Button, kIncome, { 278, 398, 130, 30 }, "Edit Income Source" },
    { 16, Kind::Button, kIncome, { 418, 398, 130, 30 }, "Remove Entry" },
    { 7, Kind::List, kExpenses, { 8, 8, 540, 380 }, "" },
    { 17, Kind::Button, kExpenses, { 418, 398, 130, 30 }, "Remove Entry" },
    { 18, Kind::Button, kExpenses, { 278, 398, 130, 30 }, "Edit Expense" },
    { 19, Kind::Button, kExpenses, { 138, 398, 130, 30 }, "Add Expense" },
    { 6, Kind::List, kBanking, { 8, 8, 540, 380 }, "" },
    { 20, Kind::Button, kBanking, { 418, 398, 130, 30 }, "Remove Entry" },
    { 21, Kind::Button, kBanking, { 278, 398, 130, 30 }, "Edit Bank Account" },
    { 22, Kind::Button, kBanking, { 148, 398, 120, 30 }, "Add Bank Account" },
    { 26, Kind::Button, kBanking, { 8, 398, 60, 30 }, "Deposit +" },
    { 27, Kind::Button, kBanking, { 78, 398, 60, 30 }, "Withdraw -" },
    { 4, Kind::List, kCashflow, { 8, 8, 540, 420 }, "" },
    { 99, Kind::ReportView, kReport, { 8, 8, 540, 388 }, "" },
    { 100, Kind::Button, kReport, { 418, 398, 130, 30 }, "Refresh Report" },
    { 101, Kind::Button, kReport, { 278, 398, 130, 30 }, "Export .RTF File" },
};

struct ListCase {
    int id;
    std::vector<Column> columns;
    bool multiple;
};

const std::vector<Column> kEntryColumns = { { "Name", 128 }, { "Amount", 100 },
    { "Start Date", 100 }, { "End Date", 100 }, { "Frequency", 100 } };

const ListCase kLists[] = {
    { 28, { { "Date", 58 }, { "Action", 120 } }, false },
    { 11, { { "Period", 100 }, { "Amount", 100 } }, false },
    { 13,
        { { "Week Ending", 100 }, { "Income", 100 }, { "Expenses", 100 }, { "Balance", 100 },
            { "Accum' Balance", 100 } },
        true },
    { 8, kEntryColumns, true },
    { 7, kEntryColumns, true },
    { 6,
        { { "Bank Account", 128 }, { "Balance", 100 }, { "Debits / SO", 100 },
            { "Overdraft Limit", 100 }, { "Available Funds", 100 } },
        true },
    { 4,
        { { "Week #", 56 }, { "Week Ending", 92 }, { "Income", 92 }, { "Expenditure", 92 },
            { "Balance", 92 }, { "Accum' Balance", 100 } },
        true },
};

struct MenuCase {
    QString title;
    QStringList items; // "id caption", or "-" for a rule
};

const MenuCase kMenus[] = {
    { "File",
        { "0 New Profile..", "-", "1 Open Session..", "2 Save Session", "3 Save Session As..", "-",
            "4 Exit" } },
    { "Tools",
        { "9 Profile Summary", "10 Show History", "-", "11 Recalculate", "-",
            "29 Export Quick-Report to File.." } },
    { "Income", { "12 Add Income", "13 Edit Income", "14 Remove Income" } },
    { "Expenses", { "15 Add Expense", "16 Edit Expense", "17 Remove Expense" } },
    { "Banking",
        { "18 Add Bank Account", "19 Edit Bank Account", "20 Remove Bank Account",
            "21 Register Deposit", "22 Register Withdrawal" } },
    { "Reports", { "23 At a Glance", "24 Income", "25 Expenses", "26 Banking", "27 Cashflow" } },
    { "Help", { "6 Getting Started..", "7 User Manual", "8 About..", "-", "28 Official Website" } },
};

bool hasKind(const QWidget* widget, Kind kind)
{
    switch (kind) {
    case Kind::GroupBox:
        return qobject_cast<const QGroupBox*>(widget);
    case Kind::TabPanel:
        return qobject_cast<const QTabWidget*>(widget);
    case Kind::Label:
        return qobject_cast<const QLabel*>(widget)
            && qobject_cast<const QLabel*>(widget)->pixmap().isNull();
    case Kind::Picture:
        return qobject_cast<const QLabel*>(widget)
            && !qobject_cast<const QLabel*>(widget)->pixmap().isNull();
    case Kind::Tree:
        return qobject_cast<const QTreeWidget*>(widget);
    case Kind::List:
        return qobject_cast<const QTableWidget*>(widget);
    case Kind::Button:
        return qobject_cast<const QPushButton*>(widget);
    case Kind::ReportView:
        return qobject_cast<const QTextEdit*>(widget);
    }
    return false;
}

QString captionOf(const QWidget* widget)
{
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QPushButton*>(widget))
        return button->text();
    return {};
}

class WindowLayoutTest : public ProgramFixture {
protected:
    MainWindow& window() { return program_->window(); }

    QWidget* control(int id)
    {
        const auto found = window().findChildren<QWidget*>(controlName(id));
        EXPECT_EQ(found.size(), 1) << "control " << id;
        return found.isEmpty() ? nullptr : found.front();
    }

    QWidget* parentOf(Place place)
    {
        if (place.panel < 0)
            return window().centralWidget();
        return qobject_cast<QTabWidget*>(control(place.panel))->widget(place.page);
    }
};

TEST_F(WindowLayoutTest, EveryControlHasItsIdKindPlaceSizeAndCaption)
{
    for (const ControlCase& c : kControls) {
        SCOPED_TRACE(testing::Message() << "control " << c.id);
        QWidget* widget = control(c.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(hasKind(widget, c.kind));
        EXPECT_EQ(widget->parentWidget(), parentOf(c.place));
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(captionOf(widget), c.caption);
    }
}

TEST_F(WindowLayoutTest, NoOtherWidgetCarriesAControlName)
{
    int named = 0;
    for (const QWidget* widget : window().findChildren<QWidget*>())
        named += widget->objectName().startsWith("control-") ? 1 : 0;
    EXPECT_EQ(named, static_cast<int>(std::size(kControls)));
}

TEST_F(WindowLayoutTest, ListsHaveTheirHeadingsWidthsAndSelectionMode)
{
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(testing::Message() << "list " << c.id);
        auto* list = qobject_cast<QTableWidget*>(control(c.id));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->columnCount(), static_cast<int>(c.columns.size()));
        for (int column = 0; column < list->columnCount(); ++column) {
            EXPECT_EQ(
                list->horizontalHeaderItem(column)->text(), c.columns[std::size_t(column)].heading);
            EXPECT_EQ(list->columnWidth(column), c.columns[std::size_t(column)].width);
        }
        EXPECT_EQ(list->selectionMode(),
            c.multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
        EXPECT_TRUE(list->showGrid());
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(list->rowCount(), 0);
    }
}

TEST_F(WindowLayoutTest, TabPanelsHaveTheirPagesAndStartOnTheFirst)
{
    const std::pair<int, QStringList> panels[] = {
        { control::kAccountPanel, { "Overview", "History" } },
        { control::kFinancePanel,
            { "At A Glance", "Income", "Expenses", "Banking", "Cashflow Projection",
                "Quick Report" } },
    };
    for (const auto& [id, pages] : panels) {
        auto* panel = qobject_cast<QTabWidget*>(control(id));
        ASSERT_NE(panel, nullptr);
        QStringList shown;
        for (int page = 0; page < panel->count(); ++page)
            shown << panel->tabText(page);
        EXPECT_EQ(shown, pages);
        EXPECT_EQ(panel->currentIndex(), 0);
    }
}

TEST_F(WindowLayoutTest, MenusHoldEveryItemWithItsIdInOrder)
{
    const QList<QAction*> menus = window().menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(std::size(kMenus)));
    for (std::size_t m = 0; m < std::size(kMenus); ++m) {
        const QMenu* menu = menus[qsizetype(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menus[qsizetype(m)]->text(), kMenus[m].title);
        QStringList items;
        for (const QAction* action : menu->actions()) {
            EXPECT_TRUE(action->isEnabled());
            EXPECT_FALSE(action->isCheckable());
            EXPECT_TRUE(action->shortcut().isEmpty());
            items << (action->isSeparator() ? QString("-")
                                            : action->objectName().mid(5) + " " + action->text());
        }
        EXPECT_EQ(items, kMenus[m].items) << kMenus[m].title.toStdString();
    }
}

TEST_F(WindowLayoutTest, WindowHasItsTitleFixedSizeFrameAndStatusField)
{
    EXPECT_EQ(window().windowTitle(), "Orbelin Cashvane v2.0");
    EXPECT_EQ(window().size(), QSize(800, 600));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowCloseButtonHint);

    const QList<QLabel*> fields = window().statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(fields.size(), 1);
    EXPECT_EQ(fields.front()->width(), 144);
    EXPECT_FALSE(fields.front()->text().isEmpty());
}

TEST_F(WindowLayoutTest, PicturesShowTheBannerAndTheChartCanvasUntilTheFirstPass)
{
    EXPECT_EQ(qobject_cast<QLabel*>(control(control::kBanner))->pixmap().size(), QSize(560, 50));
    const QImage chart = qobject_cast<QLabel*>(control(control::kChartView))->pixmap().toImage();
    ASSERT_EQ(chart.size(), QSize(300, 220));
    EXPECT_GT(qGray(chart.pixel(150, 2)), qGray(chart.pixel(150, 217)));
}

TEST_F(WindowLayoutTest, KeyboardFocusMovesInCreationOrder)
{
    const int creationOrder[] = { 0, 1, 5, 2, 23, 24, 25, 28, 29, 3, 9, 10, 11, 12, 13, 8, 14, 15,
        16, 7, 17, 18, 19, 6, 20, 21, 22, 26, 27, 4, 99, 100, 101 };
    QStringList chain;
    for (QWidget* w = window().nextInFocusChain(); w != &window(); w = w->nextInFocusChain()) {
        if (w->objectName().startsWith("control-") && w->focusPolicy() != Qt::NoFocus)
            chain << w->objectName();
    }
    QStringList expected;
    for (const int id : creationOrder) {
        if (chain.contains(controlName(id)))
            expected << controlName(id);
    }
    EXPECT_GE(chain.size(), 20);
    EXPECT_EQ(chain, expected);
}

} // namespace
} // namespace cashvane::test
