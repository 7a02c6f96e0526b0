#include "SliceFill.h"

#include "SliceShading.h"

namespace cashvane {

namespace {

// How far past its exact wedge a fill may reach. The outline's pixels lie
// within half a pixel of the true lines and arc, so a fill closed in by them
// stays within about a pixel of the wedge; a fill that escapes goes much
// farther at once: into the previous slice, or out through the part of the
// circle that has no arc yet.
constexpr double kSlack = 1.5;

} // namespace

SliceFill::SliceFill(PixelCanvas& canvas, const PieGeometry& pie)
    : canvas_(canvas)
    , pie_(pie)
    , flood_(canvas)
    , painted_(static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height()), 0)
{
}

std::uint8_t& SliceFill::painted(QPoint p)
{
    return painted_[static_cast<std::size_t>(p.y() * canvas_.width() + p.x())];
}

bool SliceFill::fill(SliceAngles angles, const QColor& colour)
{
    const SliceZone zone(pie_, angles, kSlack);
    // Another slice's pixels are refused even inside the zone: near a shared
    // line the zones of neighbours overlap.
    const auto mayReach = [&](QPoint p) { return painted(p) == 0 && zone.contains(p); };
    if (!flood_.find(seedPoint(pie_, angles), mayReach))
        return false;
    const SliceShading shading(colour);
    for (const QPoint p : flood_.region()) {
        canvas_.setPixel(p.x(), p.y(), shading.at(p.x(), p.y()));
        painted(p) = 1;
    }
    return !flood_.region().empty();
}

} // namespace cashvane
