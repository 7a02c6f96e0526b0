#pragma once

#include <QImage>
#include <QRgb>

// Pixel-exact drawing on a picture: single pixels, filled and outlined
// rectangles and straight lines, each clipped to the picture's edges. The
// chart needs every pixel of its outlines in a known place, because its fills
// stop only at exactly black pixels; antialiasing or a pen's end caps would
// leave gaps. Text is not drawn here: QPainter does that.
namespace cashvane {

class PixelCanvas {
public:
    // RGB32 keeps 0xff in the top byte; only red, green and blue count.
    static constexpr QRgb kOpaque = 0xff000000u;

    // The picture becomes 32-bit RGB if it is not already, so that every
    // pixel is one QRgb and "exactly black" means one value. The canvas keeps
    // a pointer to the picture's pixels: while it is in use the picture may
    // be painted on (QPainter writes the same pixels) but not resized,
    // converted or assigned.
    explicit PixelCanvas(QImage& picture);

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // REQUIRES: contains(x, y)
    QRgb pixel(int x, int y) const { return row(y)[x]; }
    void setPixel(int x, int y, QRgb colour) { row(y)[x] = colour | kOpaque; }
    bool isBlack(int x, int y) const { return (pixel(x, y) & ~kOpaque) == 0; }

    // Sets the pixel when it lies inside the picture; does nothing otherwise.
    void plot(int x, int y, QRgb colour);

    // The rectangle's width × height pixels from (x, y), clipped.
    void fillRect(int x, int y, int width, int height, QRgb colour);
    // Only the one-pixel border of the same rectangle.
    void outlineRect(int x, int y, int width, int height, QRgb colour);

    // Every pixel of the 8-connected line from (x0, y0) to (x1, y1), both end
    // points included. 8-connected is what a fill through left, right, up and
    // down neighbours cannot cross.
    void drawLine(int x0, int y0, int x1, int y1, QRgb colour);

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * bytesPerLine_); }

    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace cashvane
