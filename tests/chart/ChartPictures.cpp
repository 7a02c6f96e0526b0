#include "ChartPictures.h"

namespace cashvane::test {

ChartSlice slice(std::int32_t value, const QString& label, const QColor& colour)
{
    return {value, label, colour};
}

ChartSlices numberedSlices(int count, std::int32_t value)
{
    ChartSlices slices;
    for (int k = 1; k <= count; ++k) {
        // Distinct mid-range colours, none of them black or a frame colour.
        const QColor colour(40 + (k * 37) % 180, 40 + (k * 71) % 180, 40 + (k * 113) % 180);
        slices.push_back(slice(value, QStringLiteral("Slice %1").arg(k), colour));
    }
    return slices;
}

QColor colourAt(const QImage& picture, int x, int y)
{
    return QColor(picture.pixel(x, y));
}

bool isFrameColour(const QImage& picture, int x, int y)
{
    const QColor colour = colourAt(picture, x, y);
    return colour == kBackground || colour == kSideStrip || colour == kStripe;
}

} // namespace cashvane::test

void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << '(' << colour.red() << ", " << colour.green() << ", " << colour.blue() << ')';
}
