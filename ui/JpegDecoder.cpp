#include "Pictures.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace cashvane {

namespace {

// QImage's RGB32 pixel is 0xffRRGGBB in the machine's byte order.
constexpr J_COLOR_SPACE kRgb32Layout
    = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// libjpeg ends the process on a fatal error unless error_exit returns
// control some other way; this one jumps back to the setjmp of the step that
// was running. A warning (truncated or corrupt data, which libjpeg would
// patch over with grey) counts as an error too.
struct JpegReader {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    auto* reader = static_cast<JpegReader*>(info->client_data);
    (*info->err->format_message)(info, reader->message);
    std::longjmp(reader->resume, 1);
}

void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        jumpBack(info);
}

// The two steps that call into libjpeg hold only plain C values, so a jump
// out of them skips no destructor.
bool startReading(JpegReader& reader, const unsigned char* data, std::size_t size)
{
    if (setjmp(reader.resume))
        return false;
    jpeg_create_decompress(&reader.info);
    reader.info.client_data = &reader;
    jpeg_mem_src(&reader.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&reader.info, TRUE);
    reader.info.out_color_space = kRgb32Layout;
    jpeg_start_decompress(&reader.info);
    return true;
}

bool readPixels(JpegReader& reader, unsigned char* bits, std::size_t bytesPerLine)
{
    if (setjmp(reader.resume))
        return false;
    while (reader.info.output_scanline < reader.info.output_height) {
        JSAMPROW row = bits + reader.info.output_scanline * bytesPerLine;
        jpeg_read_scanlines(&reader.info, &row, 1);
    }
    jpeg_finish_decompress(&reader.info);
    return true;
}

} // namespace

DecodedPicture decodeJpeg(const unsigned char* data, std::size_t size)
{
    JpegReader reader {};
    reader.info.err = jpeg_std_error(&reader.errors);
    reader.errors.error_exit = jumpBack;
    reader.errors.emit_message = failOnWarning;
    reader.info.client_data = &reader;

    DecodedPicture decoded;
    if (startReading(reader, data, size)) {
        QImage image(static_cast<int>(reader.info.output_width),
            static_cast<int>(reader.info.output_height), QImage::Format_RGB32);
        if (image.isNull())
            decoded.error = QStringLiteral("the picture is too large");
        else if (readPixels(reader, image.bits(), static_cast<std::size_t>(image.bytesPerLine())))
            decoded.image = image;
    }
    if (decoded.image.isNull() && decoded.error.isEmpty())
        decoded.error = QString::fromLatin1(reader.message);
    jpeg_destroy_decompress(&reader.info);
    return decoded;
}

} // namespace cashvane
