#pragma once

#include "Profile.h"

#include <QByteArray>

// Turns a profile into the bytes of a session file, every field in file order.
// The writer knows the byte layout and nothing about files on disk.
namespace cashvane {

QByteArray writeSession(const Profile& profile);

} // namespace cashvane
