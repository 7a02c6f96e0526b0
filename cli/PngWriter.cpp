#include "PngWriter.h"

#include "model/WholeFile.h"

#include <png.h>

#include <csetjmp>

namespace cashvane::cli {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<QByteArray*>(png_get_io_ptr(png));
    bytes->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
}

void flushNothing(png_structp)
{
}

// libpng's own handler prints to standard error; the tool reports one line
// of its own instead, so an error only ends the encoding.
void stopEncoding(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp)
{
}

struct RgbRows {
    const unsigned char* first;
    qsizetype bytesPerLine;
    png_uint_32 width;
    png_uint_32 height;
};

// A libpng error leaves this function through longjmp, which skips
// destructors; so it holds nothing that has one.
bool encodeRows(png_structp png, png_infop info, const RgbRows& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, rows.width, rows.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (png_uint_32 y = 0; y < rows.height; ++y)
        png_write_row(png, rows.first + static_cast<qsizetype>(y) * rows.bytesPerLine);
    png_write_end(png, nullptr);
    return true;
}

} // namespace

std::optional<QByteArray> encodePng(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const RgbRows rows{rgb.constBits(), rgb.bytesPerLine(), static_cast<png_uint_32>(rgb.width()),
                       static_cast<png_uint_32>(rgb.height())};

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, stopEncoding, ignoreWarning);
    if (png == nullptr)
        return std::nullopt;
    png_infop info = png_create_info_struct(png);
    QByteArray bytes;
    png_set_write_fn(png, &bytes, appendBytes, flushNothing);
    const bool encoded = info != nullptr && encodeRows(png, info, rows);
    png_destroy_write_struct(&png, &info);
    if (!encoded)
        return std::nullopt;
    return bytes;
}

PngWriteResult writePng(const QImage& picture, const QString& path)
{
    const std::optional<QByteArray> bytes = encodePng(picture);
    if (!bytes)
        return {false, QStringLiteral("cannot encode the picture for \"%1\" as PNG").arg(path)};
    const WholeFileWrite written = writeWholeFile(path, *bytes);
    if (!written.ok())
        return {false, QStringLiteral("cannot write \"%1\": %2").arg(path, written.reason)};
    return {};
}

} // namespace cashvane::cli
