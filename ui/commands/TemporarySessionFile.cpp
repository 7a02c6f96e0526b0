#include "TemporarySessionFile.h"

#include "SessionFileName.h"
#include "model/TextCodec.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace cashvane {

namespace {

// The line names one path; anything longer is not a path the program wrote.
constexpr qint64 kMaxLineBytes = 64 * 1024;

} // namespace

QString temporarySessionFilePath(const QString& homeDir)
{
    return inFolder(homeDir, QStringLiteral("cfp_tmp.dat"));
}

bool writeTemporarySessionFile(const QString& homeDir, const QString& sessionPath)
{
    QSaveFile file(temporarySessionFilePath(homeDir));
    // Unbuffered, so a short write (a full disk) shows in the count write()
    // returns instead of being lost in a flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray line = encodeSessionText(sessionPath) + "\r\n";
    if (file.write(line) != line.size())
        return false;
    return file.commit();
}

std::optional<QString> readTemporarySession(const QString& homeDir)
{
    QFile file(temporarySessionFilePath(homeDir));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray line = file.read(kMaxLineBytes);
    const auto end
        = std::find_if(line.cbegin(), line.cend(), [](char c) { return c == '\r' || c == '\n'; });
    line.truncate(end - line.cbegin());
    return decodeSessionText(line);
}

} // namespace cashvane
