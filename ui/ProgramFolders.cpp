#include "ProgramFolders.h"

namespace cashvane {

ProgramFolders programFolders(const QString& executableDir, const QString& homePath)
{
    return { findProgramDir(executableDir), withTrailingSlash(homePath) };
}

} // namespace cashvane
