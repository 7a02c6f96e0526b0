#include "WholeFile.h"

#include <QSaveFile>

namespace cashvane {

WholeFileWrite writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a short write (a full disk, a size limit) shows in the
    // count write() returns: through Qt's buffer, a flush that fell short can
    // still let commit() report success over a cut-off file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {WriteOutcome::NotCreated, file.errorString()};
    if (file.write(bytes) != bytes.size())
        return {WriteOutcome::NotWritten, QStringLiteral("the disk took only part of the file")};
    if (!file.commit())
        return {WriteOutcome::NotWritten, file.errorString()};
    return {};
}

std::optional<QByteArray> readAtMost(QFile& file, qint64 limit)
{
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            return bytes;
        bytes += piece;
    }
    return std::nullopt;
}

} // namespace cashvane
