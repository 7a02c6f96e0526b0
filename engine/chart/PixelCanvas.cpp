#include "PixelCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace cashvane {

PixelCanvas::PixelCanvas(QImage& picture)
{
    if (picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);
    // bits() gives the picture its own copy of the pixels if it shared them,
    // so the pointer stays valid for as long as the picture is left as it is.
    bits_ = picture.bits();
    bytesPerLine_ = picture.bytesPerLine();
    width_ = picture.width();
    height_ = picture.height();
}

void PixelCanvas::plot(int x, int y, QRgb colour)
{
    if (contains(x, y))
        setPixel(x, y, colour);
}

void PixelCanvas::fillRect(int x, int y, int width, int height, QRgb colour)
{
    const int firstX = std::max(x, 0);
    const int lastX = std::min(x + width, width_) - 1;
    const int firstY = std::max(y, 0);
    const int lastY = std::min(y + height, height_) - 1;
    if (firstX > lastX)
        return;
    for (int line = firstY; line <= lastY; ++line)
        std::fill(row(line) + firstX, row(line) + lastX + 1, colour | kOpaque);
}

void PixelCanvas::outlineRect(int x, int y, int width, int height, QRgb colour)
{
    if (width <= 0 || height <= 0)
        return;
    fillRect(x, y, width, 1, colour);
    fillRect(x, y + height - 1, width, 1, colour);
    fillRect(x, y, 1, height, colour);
    fillRect(x + width - 1, y, 1, height, colour);
}

void PixelCanvas::drawLine(int x0, int y0, int x1, int y1, QRgb colour)
{
    // Bresenham's line: one step along x, y or both at a time, choosing the
    // step that keeps the pixel nearest the true line.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

} // namespace cashvane
