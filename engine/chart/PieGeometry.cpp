#include "PieGeometry.h"

#include "model/Money.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace cashvane {

PieGeometry pieGeometry(int left, int top, int width, int height)
{
    // Integer divisions truncate. The pie takes 65 % of the width; the radius
    // fits both a box 15 pixels narrower than that and the height less 25.
    // The centre's y uses the vertical half-size even when the width decides
    // the radius, so a wide chart keeps its pie at the same height.
    PieGeometry pie;
    pie.pieWidth = width * 65 / 100;
    const int halfWidth = (pie.pieWidth - 15) / 2;
    const int halfHeight = (height - 25) / 2;
    pie.radius = halfWidth < halfHeight ? halfWidth : halfHeight;
    pie.centre = QPoint(left + (pie.pieWidth - 10) / 2 + 10, top + halfHeight + 20);
    return pie;
}

std::vector<SliceAngles> sliceAngles(const ChartSlices& slices)
{
    std::int64_t total = 0;
    for (const ChartSlice& slice : slices)
        total += std::max(slice.value, 0);
    std::vector<SliceAngles> angles;
    if (total == 0)
        return angles;

    // The running angle is a float and each slice adds value × 2π / total to
    // it in that order, so the last slice ends near, not exactly at, 2π.
    constexpr float kFullTurn = 2.0f * kPi;
    float running = 0.0f;
    angles.reserve(slices.size());
    for (const ChartSlice& slice : slices) {
        const float share = static_cast<float>(std::max(slice.value, 0)) * kFullTurn
                            / static_cast<float>(total);
        angles.push_back({running, running + share});
        running = angles.back().end;
    }
    return angles;
}

int toPixel(float v)
{
    return static_cast<int>(roundHalfEven(static_cast<double>(v)));
}

QPoint pointAt(QPoint centre, float distance, float angle)
{
    return {toPixel(static_cast<float>(centre.x()) + distance * std::cos(angle)),
            toPixel(static_cast<float>(centre.y()) + distance * std::sin(angle))};
}

std::vector<QPoint> arcPixels(const PieGeometry& pie, SliceAngles angles)
{
    // The step s stands for the angle s / r, and a change of 1 / r in the
    // angle moves one pixel along a circle of radius r. With r = 90, a slice
    // from 0 to π/2 runs s from round(0 × 90) = 0 to round(1.5707964 × 90) =
    // round(141.37) = 141: s = 0 gives (102 + 90, 117) = (192, 117), and
    // s = 141, at 1.5666667 rad, gives round(102 + 0.37) = 102 and
    // round(117 + 89.9992) = 207, the bottom of the circle. Neighbouring
    // slices share the step at their common angle.
    const auto r = static_cast<float>(pie.radius);
    const int first = toPixel(angles.start * r);
    const int last = toPixel(angles.end * r);
    std::vector<QPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
    for (int s = first; s <= last; ++s)
        pixels.push_back(pointAt(pie.centre, r, static_cast<float>(s) / r));
    return pixels;
}

QPoint seedPoint(const PieGeometry& pie, SliceAngles angles)
{
    const float middle = (angles.start + angles.end) / 2.0f;
    return pointAt(pie.centre, static_cast<float>(pie.radius) / 2.0f, middle);
}

SliceZone::SliceZone(const PieGeometry& pie, SliceAngles angles, double slack)
    : centre_(pie.centre)
    , reach_(pie.radius + slack)
    , slack_(slack)
    , start_{std::cos(static_cast<double>(angles.start)), std::sin(static_cast<double>(angles.start))}
    , end_{std::cos(static_cast<double>(angles.end)), std::sin(static_cast<double>(angles.end))}
    , width_(static_cast<double>(angles.end) - static_cast<double>(angles.start))
{
}

bool SliceZone::contains(QPoint pixel) const
{
    const double dx = pixel.x() - centre_.x();
    const double dy = pixel.y() - centre_.y();
    if (dx * dx + dy * dy > reach_ * reach_)
        return false;
    return withinAngles(dx, dy) || distanceToRay(dx, dy, start_) <= slack_ || distanceToRay(dx, dy, end_) <= slack_;
}

bool SliceZone::withinAngles(double dx, double dy) const
{
    // The cross product of two directions is the sine of the angle from the
    // first to the second, so a point lies clockwise of the start and short
    // of the end when both products are not negative. A wedge wider than a
    // half turn is the rest of the circle less the narrow wedge from its end
    // round to its start.
    const double afterStart = start_.x * dy - start_.y * dx;
    const double beforeEnd = dx * end_.y - dy * end_.x;
    if (width_ >= 2.0 * static_cast<double>(kPi))
        return true;
    if (width_ <= 0.0)
        return false; // only the radius line, which the distance test covers
    if (width_ <= static_cast<double>(kPi))
        return afterStart >= 0.0 && beforeEnd >= 0.0;
    return !(afterStart < 0.0 && beforeEnd < 0.0);
}

// Distance from (dx, dy), relative to the centre, to the ray leaving the
// centre in the given direction.
double SliceZone::distanceToRay(double dx, double dy, Direction ray) const
{
    if (dx * ray.x + dy * ray.y <= 0.0)
        return std::hypot(dx, dy);
    return std::abs(dx * ray.y - dy * ray.x);
}

} // namespace cashvane
