#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// Files read and written whole. A write goes to a temporary file beside the
// target that replaces it only once every byte is on disk, so a failure
// leaves the old file as it was; a read stops at a limit, so no file can
// make the program hold more than it means to.
namespace cashvane {

enum class WriteOutcome {
    Written,
    NotCreated, // the temporary file could not be made: no permission, no folder
    NotWritten, // it was made, but the bytes or the final rename did not go through
};

struct WholeFileWrite {
    WriteOutcome outcome = WriteOutcome::Written;
    QString reason; // for a failure, the cause in words

    bool ok() const { return outcome == WriteOutcome::Written; }
};

WholeFileWrite writeWholeFile(const QString& path, const QByteArray& bytes);

// The rest of an open file, or nothing when it holds more than limit bytes.
// It reads in pieces, so a file that claims no size (a device, a pipe) is
// read too, and nothing near the limit is reserved in advance.
std::optional<QByteArray> readAtMost(QFile& file, qint64 limit);

} // namespace cashvane
