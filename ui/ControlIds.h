#pragma once

// The numbers by which the dispatch and the tests know the main window's
// controls and the menu items. Control ids are unique across the program (the
// entry dialogs use 30 to 98); menu item ids are a separate numbering.
namespace cashvane::control {

inline constexpr int kAccountBox = 0;
inline constexpr int kFinanceBox = 1;
inline constexpr int kAccountPanel = 2;
inline constexpr int kFinancePanel = 3;
inline constexpr int kProjectionList = 4;
inline constexpr int kBanner = 5;
inline constexpr int kBankingList = 6;
inline constexpr int kExpenseList = 7;
inline constexpr int kIncomeList = 8;
inline constexpr int kChartView = 9;
inline constexpr int kTotalExpensesBox = 10;
inline constexpr int kExpenseTotalsList = 11;
inline constexpr int kOutlookBox = 12;
inline constexpr int kOutlookList = 13;
inline constexpr int kAddIncome = 14;
inline constexpr int kEditIncome = 15;
inline constexpr int kRemoveIncome = 16;
inline constexpr int kRemoveExpense = 17;
inline constexpr int kEditExpense = 18;
inline constexpr int kAddExpense = 19;
inline constexpr int kRemoveAccount = 20;
inline constexpr int kEditAccount = 21;
inline constexpr int kAddAccount = 22;
inline constexpr int kProfileNameLabel = 23;
inline constexpr int kDateLabel = 24;
inline constexpr int kSummaryTree = 25;
inline constexpr int kDeposit = 26;
inline constexpr int kWithdraw = 27;
inline constexpr int kHistoryList = 28;
inline constexpr int kClearHistory = 29;
inline constexpr int kReportView = 99;
inline constexpr int kRefreshReport = 100;
inline constexpr int kExportReport = 101;

// Submit and Cancel of the four entry dialogs.
inline constexpr int kIncomeSubmit = 52;
inline constexpr int kIncomeCancel = 53;
inline constexpr int kExpenseSubmit = 76;
inline constexpr int kExpenseCancel = 77;
inline constexpr int kAccountSubmit = 90;
inline constexpr int kAccountCancel = 91;
inline constexpr int kTransactionSubmit = 97;
inline constexpr int kTransactionCancel = 98;

} // namespace cashvane::control

namespace cashvane::menu {

inline constexpr int kNewProfile = 0;
inline constexpr int kOpenSession = 1;
inline constexpr int kSaveSession = 2;
inline constexpr int kSaveSessionAs = 3;
inline constexpr int kExit = 4;
inline constexpr int kGettingStarted = 6;
inline constexpr int kUserManual = 7;
inline constexpr int kAbout = 8;
inline constexpr int kProfileSummary = 9;
inline constexpr int kShowHistory = 10;
inline constexpr int kRecalculate = 11;
inline constexpr int kAddIncome = 12;
inline constexpr int kEditIncome = 13;
inline constexpr int kRemoveIncome = 14;
inline constexpr int kAddExpense = 15;
inline constexpr int kEditExpense = 16;
inline constexpr int kRemoveExpense = 17;
inline constexpr int kAddAccount = 18;
inline constexpr int kEditAccount = 19;
inline constexpr int kRemoveAccount = 20;
inline constexpr int kDeposit = 21;
inline constexpr int kWithdrawal = 22;
inline constexpr int kAtAGlance = 23;
inline constexpr int kIncomePage = 24;
inline constexpr int kExpensesPage = 25;
inline constexpr int kBankingPage = 26;
inline constexpr int kCashflowPage = 27;
inline constexpr int kWebsite = 28;
inline constexpr int kExportReport = 29;

} // namespace cashvane::menu

namespace cashvane::page {

// Pages of the finance panel.
inline constexpr int kAtAGlance = 0;
inline constexpr int kIncome = 1;
inline constexpr int kExpenses = 2;
inline constexpr int kBanking = 3;
inline constexpr int kCashflow = 4;
inline constexpr int kQuickReport = 5;

// Pages of the account panel.
inline constexpr int kOverview = 0;
inline constexpr int kHistory = 1;

} // namespace cashvane::page
