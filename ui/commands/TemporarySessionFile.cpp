#include "TemporarySessionFile.h"

#include "SessionFileName.h"
#include "model/TextCodec.h"
#include "model/WholeFile.h"

#include <QFile>

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
    const QByteArray line = encodeSessionText(sessionPath) + "\r\n";
    return writeWholeFile(temporarySessionFilePath(homeDir), line).ok();
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
