#pragma once

#include "Profile.h"

#include <QString>

// The profile's life on disk: starting afresh, opening a session file and
// saving to one. These functions change the profile and its binding to a file
// and report what happened; showing the outcome and recomputing the figures
// is left to the caller.
namespace cashvane {

// The path a session operation uses for `given`: an empty path means the
// profile's own sessionPath, or "tmp" in the current folder when there is none
// either; ".cfp" is appended unless the path already ends in exactly ".cfp".
QString sessionFilePath(const QString& given, const QString& sessionPath);

struct SessionResult {
    bool ok = true;
    QString path;   // the file the operation used, after the path rule
    QString reason; // why it failed, in words a user can act on

    // For a failure, one sentence naming the file and the reason, for a
    // message box or a command line; empty for a success.
    QString message() const;
};

// Empties the profile: no name, no records, an empty history, bound to no
// file and counted as saved.
void resetProfile(Profile& profile);

// Replaces the profile with the content of the session file and binds it to
// that file. A file that does not exist gives an empty profile bound to it
// (nothing is created until it is saved). A file that cannot be read, is too
// large or holds an impossible count is refused, and the profile is left
// exactly as it was.
SessionResult loadSession(Profile& profile, const QString& path);

// Writes the whole profile to the session file through a temporary file that
// replaces it at once, so a crash mid-save leaves the old file whole. On
// success the profile is bound to the file and counted as saved; on failure
// nothing about the profile changes.
SessionResult saveSession(Profile& profile, const QString& path);

} // namespace cashvane
