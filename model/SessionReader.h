#pragma once

#include "Profile.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// Turns the bytes of a session file into a profile. The reader knows the byte
// layout and nothing about files on disk or the profile's binding to one.
//
// A short file is not an error: a missing text reads as empty, a missing
// number as 0, and a number cut short keeps the bytes that are there as its
// low-order bytes. What cannot be read is a count outside 0 to 100, which no
// profile can hold; such bytes are refused with the reason.
namespace cashvane {

struct SessionReadResult {
    std::optional<Profile> profile; // set when the bytes were read
    QString reason;                 // why they were refused otherwise
};

// The profile's sessionPath is left empty and profileSaved true.
SessionReadResult readSession(QByteArrayView bytes);

} // namespace cashvane
