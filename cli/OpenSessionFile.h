#pragma once

#include "model/Profile.h"

#include <QString>

#include <optional>

// Opening the session file a command names.
namespace cashvane::cli {

// Reads a session file as Open Session does, but a file that is not there is
// an error here rather than a new empty profile. On failure the one-line
// reason has been written and nothing is returned.
std::optional<Profile> openSessionFile(const QString& given);

} // namespace cashvane::cli
