#include "ProgramFolders.h"

namespace cashvane {

namespace {

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

ProgramFolders programFolders(const QString& executableDir, const QString& homePath)
{
    return { findProgramDir(executableDir), withTrailingSlash(homePath) };
}

} // namespace cashvane
