#pragma once

#include "HistoryLog.h"
#include "RecordList.h"
#include "Records.h"

#include <cstdint>

// The byte layout of a session file; docs/session-format.md tells it in words.
// A file is a flat run of fields with no signature, version or separators:
//
//   profileName, incomeCount, expenseCount, bankCount,
//   incomeCount entry records, expenseCount entry records,
//   bankCount account records, 99 history pairs.
//
// A text line is its bytes followed by CR LF; an integer or a float is four
// bytes, little-endian. An entry record is two text lines and then 48 bytes
// of numbers (eleven integers and the amount), with the end date after the
// amount. An empty profile takes 2 + 3 * 4 + 99 * 2 * 2 = 410 bytes.
namespace cashvane::session {

inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';
inline constexpr char kNul = '\0';

inline constexpr int kNumberBytes = 4;

inline constexpr int kMaxRecordsPerList = 100;
inline constexpr int kHistoryEntries = 99;
// The file holds what the profile can: a reader never has to drop a record.
static_assert(kMaxRecordsPerList == RecordList<IncomeSource>::kCapacity);
static_assert(kHistoryEntries == HistoryLog::kEntries);

// Larger files are refused unread. Every text comes from a single-line field,
// so a real profile stays far below this.
inline constexpr std::int64_t kMaxFileBytes = 16 * 1024 * 1024;

} // namespace cashvane::session
