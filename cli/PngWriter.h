#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Pictures as PNG files, encoded with libpng: 8-bit RGB, no alpha, no
// interlacing. Drawing the picture is someone else's business.
namespace cashvane::cli {

// The PNG bytes of the picture, or nothing when libpng refuses it (a null
// picture, or one too large for PNG).
std::optional<QByteArray> encodePng(const QImage& picture);

struct PngWriteResult {
    bool ok = true;
    QString reason; // for a failure, one line naming the file and the cause
};

// Writes the picture to path as a whole: through a temporary file that
// replaces path only once everything is written, so a failure leaves no
// half-written picture behind.
PngWriteResult writePng(const QImage& picture, const QString& path);

} // namespace cashvane::cli
