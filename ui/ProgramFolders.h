#pragma once

#include "engine/ProgramDir.h"

#include <QString>

// Where the program finds what ships beside it and where it keeps the one
// file of its own. Both folders end in '/', so relative paths are appended.
namespace cashvane {

struct ProgramFolders {
    QString programDir; // holds help/, samples/ and reports/ (findProgramDir)
    QString homeDir; // the user's home: the temporary session file, file dialogs
};

ProgramFolders programFolders(const QString& executableDir, const QString& homePath);

} // namespace cashvane
