#include "SessionFile.h"

#include "SessionFormat.h"
#include "SessionReader.h"
#include "SessionWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return failure(filePath, file.errorString());
    // The file may have grown since its size was checked.
    const QByteArray bytes = file.read(session::kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(filePath, file.errorString());
    if (bytes.size() > session::kMaxFileBytes)
        return failure(filePath, QStringLiteral("it is far larger than any session file"));

    SessionReadResult read = readSession(bytes);
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
    QSaveFile file(filePath);
    // Unbuffered, so a short write (a full disk, a size limit) shows in the
    // count write() returns: through the buffer, a flush that fell short can
    // still let commit() report success over a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(filePath, file.errorString());
    const QByteArray bytes = writeSession(profile);
    if (file.write(bytes) != bytes.size())
        return failure(filePath, QStringLiteral("the disk took only part of the file (%1)").arg(file.errorString()));
    if (!file.commit())
        return failure(filePath, file.errorString());
    profile.sessionPath = filePath;
    profile.profileSaved = true;
    return {true, filePath, {}};
}

} // namespace cashvane
