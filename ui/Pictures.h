#pragma once

#include <QImage>
#include <QString>

#include <cstddef>

// Decoding the two pictures the program carries: the banner (PNG) and the
// chart's starting picture (JPEG). Each decoder works on bytes in memory and
// reports a damaged picture as an error instead of ending the program.
namespace cashvane {

struct DecodedPicture {
    QImage image; // 32-bit RGB; null when decoding failed
    QString error; // why decoding failed; empty on success

    bool ok() const { return !image.isNull(); }
};

DecodedPicture decodePng(const unsigned char* data, std::size_t size);
DecodedPicture decodeJpeg(const unsigned char* data, std::size_t size);

// The pictures built into the program.
DecodedPicture bannerPicture();
DecodedPicture initialChartPicture();

} // namespace cashvane
