#pragma once

// Where the pass writes into the quick report template: the line (from 0) and
// column (from 1) of each field. Filling the template is the report's own
// business; this only names the places.
//
// Each block ends every one of its lines with a line break, so writing a block
// pushes the later template lines down by its number of lines. The blocks are
// written top to bottom and each is placed below the lines inserted before
// it: with 3 income sources and 2 expenses the expense block goes to line
// 25 + 3 = 28 and the banking block to line 28 + 3 + 2 = 33.
namespace cashvane::report {

struct Place {
    int line;
    int column;
};

inline constexpr Place kProfileName { 1, 22 };
inline constexpr Place kDate { 2, 6 };

inline constexpr Place kCurrentIncome { 5, 16 };
inline constexpr Place kCurrentExpenses { 6, 18 };
inline constexpr Place kCurrentBalance { 7, 17 };
inline constexpr Place kWeeklyIncome { 9, 15 };
inline constexpr Place kWeeklyExpenses { 10, 17 };
inline constexpr Place kWeeklyBalance { 11, 16 };
inline constexpr Place kMonthlyIncome { 13, 16 };
inline constexpr Place kMonthlyExpenses { 14, 18 };
inline constexpr Place kMonthlyBalance { 15, 17 };
inline constexpr Place kAnnualIncome { 17, 15 };
inline constexpr Place kAnnualExpenses { 18, 17 };
inline constexpr Place kAnnualBalance { 19, 16 };

// The template lines of the blocks, before any block is inserted above them.
inline constexpr int kIncomeBlockLine = 22;
inline constexpr int kExpenseBlockLine = 25;
inline constexpr int kBankingBlockLine = 28;
inline constexpr int kCashflowBlockLine = 31;
inline constexpr int kBlockColumn = 1;

} // namespace cashvane::report
