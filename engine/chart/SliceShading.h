#pragma once

#include <QColor>
#include <QRgb>

// The shading of a slice: a linear gradient from the slice's colour at the
// picture's point (0, 200) to a lighter colour at (200, 0). The two points
// belong to the picture, not to the chart, so a chart drawn elsewhere in a
// picture is shaded differently. Which pixels get shaded is the fill's
// business.
namespace cashvane {

class SliceShading {
public:
    explicit SliceShading(const QColor& base);

    // The colour of pixel (x, y). Along the gradient's axis,
    // t = (x − y + 200) / 400 runs from 0 at (0, 200) to 1 at (200, 0); it is
    // held at 0 and 1 beyond them, and each channel moves linearly from base
    // to light, rounded to the nearest whole value (a half upward).
    QRgb at(int x, int y) const;

private:
    int dark_[3];
    int light_[3];
};

// Each of red, green and blue 120 higher, at most 255.
QColor lightColour(const QColor& base);

// SliceShading(base).at(x, y), for a single pixel.
QRgb shadeAt(const QColor& base, int x, int y);

} // namespace cashvane
