#include "Pictures.h"

#include <QSysInfo>

#include <png.h>

#include <cstring>

namespace cashvane {

// libpng's simplified reader keeps its error handling to itself: a damaged
// file fails the call with a message instead of jumping out of it.
DecodedPicture decodePng(const unsigned char* data, std::size_t size)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size))
        return { {}, QString::fromLatin1(png.message) };

    // QImage's RGB32 pixel is 0xffRRGGBB in the machine's byte order.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_RGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return { {}, QStringLiteral("the picture is too large") };
    }
    if (!png_image_finish_read(
            &png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return { {}, QString::fromLatin1(png.message) };
    return { image, {} };
}

} // namespace cashvane
