#pragma once

#include "engine/ProgramDir.h"

#include <QString>

#include <optional>

// Where the program finds what ships beside it and where it keeps the one
// file of its own. Both folders end in '/', so relative paths are appended.
namespace cashvane {

struct ProgramFolders {
    QString programDir; // holds help/, samples/ and reports/ (findProgramDir)
    QString homeDir; // the user's home: the temporary session file, file dialogs
};

ProgramFolders programFolders(const QString& executableDir, const QString& homePath);

// The file naming the session file of the last run.
QString temporarySessionPath(const QString& homeDir);

// The first line of the temporary session file, up to its first CR or LF;
// nothing when the file cannot be opened, which marks a first session.
std::optional<QString> readTemporarySession(const QString& homeDir);

} // namespace cashvane
