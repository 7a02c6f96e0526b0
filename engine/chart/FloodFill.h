#pragma once

#include "PixelCanvas.h"

#include <QPoint>

#include <cstdint>
#include <functional>
#include <vector>

// Finds the region a fill covers: every pixel reachable from the seed through
// left, right, up and down neighbours without crossing an exactly black
// pixel, within the picture. It only finds the pixels; what colour they get
// is the caller's business. The caller also says which pixels the fill may
// reach at all, so that a fill which escapes through a gap in its outline is
// noticed before anything is painted.
namespace cashvane {

class FloodFill {
public:
    explicit FloodFill(const PixelCanvas& canvas);

    // Finds the region around the seed and returns true, or returns false as
    // soon as the region reaches a pixel that mayReach refuses. The region is
    // empty when the seed is black or outside the picture.
    bool find(QPoint seed, const std::function<bool(QPoint)>& mayReach);

    // The region the last successful find() found; valid until the next.
    const std::vector<QPoint>& region() const { return found_; }

private:
    std::uint8_t& visit(QPoint p) { return visits_[static_cast<std::size_t>(p.y() * canvas_.width() + p.x())]; }

    const PixelCanvas& canvas_;
    // Stamped with the number of the fill that visited the pixel, so one
    // table serves 255 fills before it has to be cleared. A byte a pixel
    // keeps the table small enough to come from the heap's free memory
    // rather than freshly mapped pages.
    std::vector<std::uint8_t> visits_;
    std::uint8_t fillNumber_ = 0;
    // Kept from fill to fill so that their memory is allocated once a chart.
    std::vector<QPoint> pending_;
    std::vector<QPoint> found_;
};

} // namespace cashvane
