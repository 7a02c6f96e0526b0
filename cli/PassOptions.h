#pragma once

#include "Arguments.h"
#include "model/Calendar.h"

#include <QString>

#include <cstdint>
#include <optional>

// The values of the options that fix what a recalculation depends on: the
// time it runs at (--now) and the seed of its random colours (--seed). A
// text that is not exactly such a value gives nothing; the command reports it.
namespace cashvane::cli {

// "YYYY-MM-DD HH:MM:SS" as local calendar time; a date or time that does not
// exist gives nothing.
std::optional<CalendarTime> parseNow(const QString& text);

// Decimal digits only, 0 to 4294967295.
std::optional<std::uint32_t> parseSeed(const QString& text);

// The seed when --seed is not given, so that the same file and time always
// give the same output.
inline constexpr std::uint32_t kDefaultSeed = 0;

// The values of a command's --now (the clock when it is not given) and --seed
// options. A value that does not parse is reported as one line naming the
// command, and nothing is returned.
std::optional<CalendarTime> nowOption(const Arguments& arguments, const QString& command);
std::optional<std::uint32_t> seedOption(const Arguments& arguments, const QString& command);

} // namespace cashvane::cli
