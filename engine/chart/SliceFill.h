#pragma once

#include "FloodFill.h"
#include "PieGeometry.h"
#include "PixelCanvas.h"

#include <QColor>

#include <cstdint>
#include <vector>

// Fills the slices of one pie, one after another, each from its seed point
// up to the black outline already drawn around it, shaded by SliceShading.
// A fill that would reach beyond its own slice paints nothing: a slice too
// thin to have an inside (its seed lands on, or across, its own outline) must
// not flood a neighbour or, through the part of the circle not yet outlined,
// the whole picture. Drawing the outlines is PieChart's business.
namespace cashvane {

class SliceFill {
public:
    SliceFill(PixelCanvas& canvas, const PieGeometry& pie);

    // Returns whether anything was painted.
    bool fill(SliceAngles angles, const QColor& colour);

private:
    std::uint8_t& painted(QPoint p);

    PixelCanvas& canvas_;
    PieGeometry pie_;
    FloodFill flood_;
    std::vector<std::uint8_t> painted_; // 1 where an earlier slice's fill painted
};

} // namespace cashvane
