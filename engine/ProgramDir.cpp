#include "ProgramDir.h"

#include <QDir>
#include <QFileInfo>

namespace cashvane {

namespace {

bool holdsProgramData(const QDir& folder)
{
    return QFileInfo(folder.filePath(QStringLiteral("reports"))).isDir();
}

} // namespace

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString findProgramDir(const QString& executableDir)
{
    const QDir beside(executableDir);
    const QDir installed(beside.filePath(QStringLiteral("../share/cashvane")));
    if (!holdsProgramData(beside) && holdsProgramData(installed))
        return withTrailingSlash(installed.canonicalPath());
    return withTrailingSlash(beside.absolutePath());
}

} // namespace cashvane
