#include "ProgramFolders.h"

#include "model/TextCodec.h"

#include <QFile>

#include <algorithm>

namespace cashvane {

namespace {

// The line names one path; anything longer is not a path the program wrote.
constexpr qint64 kMaxLineBytes = 64 * 1024;

QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

ProgramFolders programFolders(const QString& executableDir, const QString& homePath)
{
    return { findProgramDir(executableDir), withTrailingSlash(homePath) };
}

QString temporarySessionPath(const QString& homeDir)
{
    return homeDir + QStringLiteral("cfp_tmp.dat");
}

std::optional<QString> readTemporarySession(const QString& homeDir)
{
    QFile file(temporarySessionPath(homeDir));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray line = file.read(kMaxLineBytes);
    const auto end
        = std::find_if(line.cbegin(), line.cend(), [](char c) { return c == '\r' || c == '\n'; });
    line.truncate(end - line.cbegin());
    return decodeSessionText(line);
}

} // namespace cashvane
