#include "TemporarySessionFile.h"

#include "SessionFileName.h"
#include "model/TextCodec.h"

#include <QSaveFile>

namespace cashvane {

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

} // namespace cashvane
