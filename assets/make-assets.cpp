// Draws the two pictures the program carries and writes them beside this
// file: the banner (PNG, 560 x 50, 8-bit RGB) and the chart's starting
// picture (baseline JPEG, 300 x 220). The committed pictures are what the
// program embeds; run this only to change them:
//
//   cmake --build build --target cashvane_make_assets
//   QT_QPA_PLATFORM=offscreen build/ui/cashvane_make_assets assets/
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

namespace {

QFont bannerFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

void letter(QPainter& painter, const QFont& font, QColor colour, QRect box, int alignment,
    const QString& text)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, alignment | Qt::AlignVCenter, text);
}

QImage banner()
{
    QImage image(560, 50, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 560, 0);
    ground.setColorAt(0.0, QColor(12, 34, 92));
    ground.setColorAt(1.0, QColor(28, 66, 140));
    painter.fillRect(image.rect(), ground);
    painter.setPen(QColor(70, 110, 180));
    painter.drawLine(0, 47, 559, 47);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QFont maker = bannerFont(13);
    maker.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    letter(painter, maker, QColor(170, 196, 235), QRect(18, 4, 200, 18), Qt::AlignLeft,
        QStringLiteral("ORBELIN"));
    QFont product = bannerFont(24);
    product.setBold(true);
    letter(painter, product, QColor(242, 246, 252), QRect(18, 18, 300, 28), Qt::AlignLeft,
        QStringLiteral("Cashvane 2"));
    QFont motto = bannerFont(13);
    motto.setItalic(true);
    letter(painter, motto, QColor(200, 215, 240), QRect(260, 0, 285, 50), Qt::AlignRight,
        QStringLiteral("Plan your cash, week by week"));
    return image;
}

// A plain light-grey canvas, almost white at the top.
QImage chartCanvas()
{
    QImage image(300, 220, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 0, 220);
    shade.setColorAt(0.0, QColor(250, 250, 250));
    shade.setColorAt(1.0, QColor(226, 226, 228));
    painter.fillRect(image.rect(), shade);
    return image;
}

bool write(const QImage& image, const QString& path, const char* format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool written = write(banner(), folder.filePath(QStringLiteral("banner.png")), "png", 0)
        && write(chartCanvas(), folder.filePath(QStringLiteral("chart-canvas.jpg")), "jpeg", 92);
    return written ? 0 : 1;
}
