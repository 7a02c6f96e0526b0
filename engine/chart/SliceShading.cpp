#include "SliceShading.h"

#include <algorithm>

namespace cashvane {

namespace {

constexpr int kLighter = 120;
// t = step / kSteps, with step = x − y + 200 held to 0..kSteps.
constexpr int kSteps = 400;
constexpr int kStepAtOrigin = 200;

int lighter(int channel)
{
    return std::min(channel + kLighter, 255);
}

int blend(int dark, int light, int step)
{
    // dark + (light − dark) × step / kSteps, rounded: light >= dark, so the
    // doubled numerator plus kSteps, over 2 × kSteps, rounds a half upward.
    return dark + (2 * (light - dark) * step + kSteps) / (2 * kSteps);
}

} // namespace

SliceShading::SliceShading(const QColor& base)
    : dark_{base.red(), base.green(), base.blue()}
    , light_{lighter(base.red()), lighter(base.green()), lighter(base.blue())}
{
}

QRgb SliceShading::at(int x, int y) const
{
    const int step = std::clamp(x - y + kStepAtOrigin, 0, kSteps);
    return qRgb(blend(dark_[0], light_[0], step), blend(dark_[1], light_[1], step), blend(dark_[2], light_[2], step));
}

QColor lightColour(const QColor& base)
{
    return {lighter(base.red()), lighter(base.green()), lighter(base.blue())};
}

QRgb shadeAt(const QColor& base, int x, int y)
{
    return SliceShading(base).at(x, y);
}

} // namespace cashvane
