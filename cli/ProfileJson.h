#pragma once

#include "Json.h"
#include "model/Profile.h"

#include <QString>

#include <optional>

// The profile as JSON, for export and import: every field by its own name,
// amounts as numbers (NaN and the infinities as the strings "NaN",
// "Infinity" and "-Infinity"), and all 99 history entries, newest first.
namespace cashvane::cli {

Json profileToJson(const Profile& profile);

struct ProfileFromJson {
    std::optional<Profile> profile; // set when the JSON made a profile
    QString reason;                 // where and why it did not otherwise
};

// Missing keys read as empty texts and zeros. Refused: a key the profile does
// not have, a value of the wrong kind, an integer outside 32 bits, a text
// holding CR, LF or NUL (a session file could not keep it), more than 100
// records in a list or more than 99 history entries.
ProfileFromJson profileFromJson(const Json& json);

} // namespace cashvane::cli
