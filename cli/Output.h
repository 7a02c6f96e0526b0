#pragma once

#include <QString>

#include <string_view>

// How the tool answers: results on standard output, and a failure as one line
// on standard error with exit status 2.
namespace cashvane::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 2;

// Writes the text to standard output and returns kSuccess, or, when it does
// not all get there (a full disk behind a redirection, a closed pipe), says
// so and returns kFailure: a cut-off result must not pass for a whole one.
int writeOutput(std::string_view text);

// Writes "cashvane-cli: " + line to standard error and returns kFailure.
int fail(const QString& line);

} // namespace cashvane::cli
