#pragma once

#include "engine/ChartSlice.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <ostream>

// What the chart tests share: slices made to order, the fixed colours of the
// chart's frame, and reading a pixel back as a colour.
namespace cashvane::test {

inline const QColor kBackground{241, 241, 241};
inline const QColor kSideStrip{230, 230, 232};
inline const QColor kStripe{219, 219, 221};
inline const QColor kBlack{0, 0, 0};
inline const QColor kWhite{255, 255, 255};
inline const QColor kNoDataGrey{198, 201, 206};

ChartSlice slice(std::int32_t value, const QString& label, const QColor& colour);

// count slices of the given value, labelled "Slice k", each a different colour.
ChartSlices numberedSlices(int count, std::int32_t value);

QColor colourAt(const QImage& picture, int x, int y);

// Whether the pixel is one of the colours the chart paints before its pie:
// background, side strip or stripe.
bool isFrameColour(const QImage& picture, int x, int y);

} // namespace cashvane::test

// GoogleTest shows a colour that differs as "(r, g, b)".
void PrintTo(const QColor& colour, std::ostream* out);
