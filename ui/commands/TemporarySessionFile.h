#pragma once

#include <QString>

#include <optional>

// The one-line file in the user's home folder that names the session file the
// profile was bound to when the program was last left; the next start reopens
// it. Only the way out writes it, and only for a bound profile.
namespace cashvane {

QString temporarySessionFilePath(const QString& homeDir);

// Replaces the file with `sessionPath` and CR LF, encoded as the session
// file's texts are. A file that cannot be written whole is left as it was, and false
// comes back; the caller goes on without it.
bool writeTemporarySessionFile(const QString& homeDir, const QString& sessionPath);

// The first line of the file, up to its first CR or LF; nothing when the file
// cannot be opened, which marks a first session.
std::optional<QString> readTemporarySession(const QString& homeDir);

} // namespace cashvane
