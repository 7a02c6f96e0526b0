#include "ui/Pictures.h"
#include "tests/support/TestFiles.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace cashvane::test {
namespace {

QByteArray assetBytes(const char* name)
{
    return readBytes(QStringLiteral(CASHVANE_SOURCE_DIR "/assets/") + name);
}

TEST(PicturesTest, BannerIsLightLetteringOnDarkBlue)
{
    const DecodedPicture banner = bannerPicture();
    ASSERT_TRUE(banner.ok()) << banner.error.toStdString();
    ASSERT_EQ(banner.image.size(), QSize(560, 50));
    int light = 0;
    for (int x = 0; x < 560; ++x)
        light += qGray(banner.image.pixel(x, 30)) > 200 ? 1 : 0;
    const QRgb ground = banner.image.pixel(2, 2);
    EXPECT_GT(qBlue(ground), qRed(ground) + 40);
    EXPECT_LT(qGray(ground), 80);
    EXPECT_GT(light, 10);
}

TEST(PicturesTest, ChartCanvasIsLightGreyAndLighterAtTheTop)
{
    const DecodedPicture canvas = initialChartPicture();
    ASSERT_TRUE(canvas.ok()) << canvas.error.toStdString();
    ASSERT_EQ(canvas.image.size(), QSize(300, 220));
    const QRgb top = canvas.image.pixel(150, 1);
    const QRgb bottom = canvas.image.pixel(150, 218);
    EXPECT_GT(qGray(top), 240);
    EXPECT_GT(qGray(top), qGray(bottom));
    EXPECT_GT(qGray(bottom), 200);
    EXPECT_LE(std::abs(qRed(bottom) - qBlue(bottom)), 6);
}

// The same picture whether decoded here or by Qt's own readers.
TEST(PicturesTest, DecodersAgreeWithQt)
{
    for (const char* name : { "banner.png", "chart-canvas.jpg" }) {
        const QByteArray bytes = assetBytes(name);
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
        const DecodedPicture decoded = QByteArray(name).endsWith(".png")
            ? decodePng(data, std::size_t(bytes.size()))
            : decodeJpeg(data, std::size_t(bytes.size()));
        const QImage qt = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
        ASSERT_TRUE(decoded.ok()) << name;
        if (QByteArray(name).endsWith(".png")) {
            EXPECT_EQ(decoded.image, qt) << name;
        } else {
            EXPECT_EQ(decoded.image.size(), qt.size()) << name;
            EXPECT_LE(std::abs(qGray(decoded.image.pixel(100, 100)) - qGray(qt.pixel(100, 100))), 2)
                << name;
        }
    }
}

TEST(PicturesTest, DamagedPicturesAreReportedNotDecoded)
{
    const QByteArray png = assetBytes("banner.png");
    const QByteArray jpeg = assetBytes("chart-canvas.jpg");
    QByteArray scrambledJpeg = jpeg;
    for (qsizetype i = 200; i < scrambledJpeg.size() - 2; i += 7)
        scrambledJpeg[i] = char(0xff);
    const struct {
        const char* name;
        QByteArray bytes;
        bool png;
    } cases[] = {
        { "empty png", {}, true },
        { "truncated png", png.left(png.size() / 2), true },
        { "png header only", png.left(8), true },
        { "jpeg as png", jpeg, true },
        { "empty jpeg", {}, false },
        { "truncated jpeg", jpeg.left(jpeg.size() / 2), false },
        { "jpeg header only", jpeg.left(2), false },
        { "scrambled jpeg", scrambledJpeg, false },
        { "png as jpeg", png, false },
    };
    for (const auto& c : cases) {
        const auto* data = reinterpret_cast<const unsigned char*>(c.bytes.constData());
        const std::size_t size = std::size_t(c.bytes.size());
        const DecodedPicture decoded = c.png ? decodePng(data, size) : decodeJpeg(data, size);
        EXPECT_FALSE(decoded.ok()) << c.name;
        EXPECT_FALSE(decoded.error.isEmpty()) << c.name;
    }
}

} // namespace
} // namespace cashvane::test
