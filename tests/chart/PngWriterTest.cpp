#include "cli/PngWriter.h"
#include "tests/support/TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace cashvane::cli {
namespace {

QImage testCard()
{
    QImage picture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(36 * x, 50 * y, (x * y * 29) % 256));
    }
    return picture;
}

TEST(PngWriterTest, EncodesEightBitRgbThatDecodesToTheSamePixels)
{
    const std::optional<QByteArray> bytes = encodePng(testCard());
    ASSERT_TRUE(bytes);
    ASSERT_GT(bytes->size(), 33);
    EXPECT_TRUE(bytes->startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(bytes->at(24), 8); // bit depth
    EXPECT_EQ(bytes->at(25), 2); // colour type: RGB, no alpha

    const QImage decoded = QImage::fromData(*bytes, "PNG");
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), testCard());
}

TEST(PngWriterTest, ANullPictureIsRefusedAndNoFileIsLeft)
{
    QTemporaryDir folder;
    EXPECT_FALSE(encodePng(QImage()));
    const PngWriteResult result = writePng(QImage(), folder.filePath("null.png"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.reason.contains(folder.filePath("null.png")));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("null.png")));
}

TEST(PngWriterTest, WritingReplacesTheWholeFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("picture.png");
    test::writeBytes(path, QByteArray(100000, 'x'));
    ASSERT_TRUE(writePng(testCard(), path).ok);
    EXPECT_EQ(test::readBytes(path), *encodePng(testCard()));
}

TEST(PngWriterTest, AWriteTheDiskCutsShortFailsAndLeavesTheOldPicture)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("picture.png");
    ASSERT_TRUE(writePng(testCard(), path).ok);
    // Noise does not compress: its PNG is far over the limit below, yet within
    // the size a buffered writer would hold back until the end.
    std::minstd_rand draw(7);
    QImage noise(60, 60, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, static_cast<QRgb>(draw()) | 0xff000000u);
    }
    ASSERT_GT(encodePng(noise)->size(), 4096);
    ASSERT_LT(encodePng(noise)->size(), 16384);

    const int status = test::runWithFileSizeLimit(4096, [&] { return writePng(noise, path).ok ? 1 : 0; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::readBytes(path), *encodePng(testCard()));
}

} // namespace
} // namespace cashvane::cli
