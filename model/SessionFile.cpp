#include "SessionFile.h"

#include "SessionFormat.h"
#include "SessionReader.h"
#include "SessionWriter.h"
#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace cashvane {

namespace {

SessionResult failure(const QString& path, const QString& reason)
{
    return {false, path, reason};
}

} // namespace

QString sessionFilePath(const QString& given, const QString& sessionPath)
{
    QString path = given.isEmpty() ? sessionPath : given;
    if (path.isEmpty())
        path = QStringLiteral("tmp");
    if (!path.endsWith(QLatin1String(".cfp"), Qt::CaseSensitive))
        path += QLatin1String(".cfp");
    return path;
}

QString SessionResult::message() const
{
    if (ok)
        return {};
    return QStringLiteral("The session file \"%1\" could not be used: %2.").arg(path, reason);
}

void resetProfile(Profile& profile)
{
    profile = Profile{};
}

SessionResult loadSession(Profile& profile, const QString& path)
{
    const QString filePath = sessionFilePath(path, profile.sessionPath);
    const QFileInfo info(filePath);
    // A link that leads nowhere (a loop, a lost target) is no new file: the
    // open profile must not be given up for it.
    if (!info.exists() && info.isSymLink())
        return failure(filePath, QStringLiteral("it is a link that leads to no file"));
    if (!info.exists()) {
        resetProfile(profile);
        profile.sessionPath = filePath;
        return {true, filePath, {}};
    }
    if (info.isDir())
        return failure(filePath, QStringLiteral("it is a folder, not a session file"));
    if (info.size() > session::kMaxFileBytes) {
        return failure(filePath, QStringLiteral("at %1 bytes it is far larger than any session file")
                                     .arg(info.size()));
    }

    // A device or a pipe could block or never end.
    if (!info.isFile())
        return failure(filePath, QStringLiteral("it is not a regular file"));

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return failure(filePath, file.errorString());
    const std::optional<QByteArray> bytes = readAtMost(file, session::kMaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return failure(filePath, file.errorString());
    if (!bytes)
        return failure(filePath, QStringLiteral("it is far larger than any session file"));

    SessionReadResult read = readSession(*bytes);
    if (!read.profile)
        return failure(filePath, read.reason);
    profile = std::move(*read.profile);
    profile.sessionPath = filePath;
    profile.profileSaved = true;
    return {true, filePath, {}};
}

SessionResult saveSession(Profile& profile, const QString& path)
{
    const QString filePath = sessionFilePath(path, profile.sessionPath);
    const WholeFileWrite written = writeWholeFile(filePath, writeSession(profile));
    if (!written.ok())
        return failure(filePath, written.reason);
    profile.sessionPath = filePath;
    profile.profileSaved = true;
    return {true, filePath, {}};
}

} // namespace cashvane
