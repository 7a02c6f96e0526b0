#pragma once

#include <QString>

#include <string_view>

// How the tool answers: results on standard output, and a failure as one line
// on standard error with exit status 2.
namespace cashvane::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 2;

void writeOutput(std::string_view text);

// Writes "cashvane-cli: " + line to standard error and returns kFailure.
int fail(const QString& line);

} // namespace cashvane::cli
