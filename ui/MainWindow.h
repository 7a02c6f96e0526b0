#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>

#include <functional>

class QLabel;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QTreeWidget;

// The program's one main window: its frame, menu bar, status bar and every
// control, built once and kept to the end. It holds no logic: menu items and
// buttons are handed on by id, the close button asks before the window goes,
// and what the controls show is written by whoever holds the window.
namespace cashvane {

class MainWindow : public QMainWindow {
public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    // The banner and the chart picture are shown as given; the date label
    // keeps its text for as long as the window lives.
    MainWindow(const QImage& banner, const QImage& chartPicture, const QString& dateLabel);

    void onMenuCommand(std::function<void(int id)> handler) { menuCommand_ = std::move(handler); }
    void onControlEvent(std::function<void(int id)> handler) { controlEvent_ = std::move(handler); }
    // Answers whether the window may close; without an answer it closes.
    void onCloseRequest(std::function<bool()> handler) { closeRequest_ = std::move(handler); }

    void showCentred();

    QTabWidget* accountPanel() const { return accountPanel_; }
    QTabWidget* financePanel() const { return financePanel_; }
    QLabel* profileNameLabel() const { return profileNameLabel_; }
    QLabel* dateLabel() const { return dateLabel_; }
    QTreeWidget* summaryTree() const { return summaryTree_; }
    QTableWidget* historyList() const { return historyList_; }
    QTableWidget* expenseTotalsList() const { return expenseTotalsList_; }
    QTableWidget* outlookList() const { return outlookList_; }
    QTableWidget* incomeList() const { return incomeList_; }
    QTableWidget* expenseList() const { return expenseList_; }
    QTableWidget* bankingList() const { return bankingList_; }
    QTableWidget* projectionList() const { return projectionList_; }
    QTextEdit* reportView() const { return reportView_; }

    // The picture the chart is painted into; showChartPicture() puts the
    // painted picture on screen.
    QImage& chartPicture() { return chartPicture_; }
    void showChartPicture();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void buildControls(QWidget* area, const QImage& banner, const QString& dateText);
    void buildAccountPanel(const QString& dateText);
    void buildGlancePage();
    void buildIncomePage();
    void buildExpensesPage();
    void buildBankingPage();
    void buildCashflowPage();
    void buildReportPage();
    void connectButton(QWidget* page, int id, QRect geometry, const QString& caption);

    std::function<void(int)> menuCommand_;
    std::function<void(int)> controlEvent_;
    std::function<bool()> closeRequest_;

    QImage chartPicture_;
    QTabWidget* accountPanel_ = nullptr;
    QTabWidget* financePanel_ = nullptr;
    QLabel* profileNameLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* chartView_ = nullptr;
    QTreeWidget* summaryTree_ = nullptr;
    QTableWidget* historyList_ = nullptr;
    QTableWidget* expenseTotalsList_ = nullptr;
    QTableWidget* outlookList_ = nullptr;
    QTableWidget* incomeList_ = nullptr;
    QTableWidget* expenseList_ = nullptr;
    QTableWidget* bankingList_ = nullptr;
    QTableWidget* projectionList_ = nullptr;
    QTextEdit* reportView_ = nullptr;
};

} // namespace cashvane
