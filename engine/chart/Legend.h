#pragma once

#include "PixelCanvas.h"
#include "engine/ChartSlice.h"

#include <QColor>
#include <QImage>

// The legend: a white box right of the pie with one row per slice, a square
// of the slice's colour and its label. It is drawn after the pie and covers
// whatever lies under it; where it does not fit, the picture's edges clip it.
// It knows nothing of angles or fills.
namespace cashvane {

struct LegendGeometry {
    int x = 0;     // left of the first square; the frame starts 5 pixels further left
    int y = 0;     // top of the first square
    int width = 0; // the widest label plus 12
    int rows = 0;
};

// widestLabel is measured in the chart's title font, as the layout always has
// been, though the labels are drawn in the smaller legend font.
LegendGeometry legendGeometry(int left, int top, int width, int height, int pieWidth, int widestLabel, int rows);

// The widest label of the slices, in the title font.
int widestLabel(const ChartSlices& slices);

void drawLegend(QImage& picture, PixelCanvas& canvas, const LegendGeometry& legend, const ChartSlices& slices,
                const QColor& textColour);

} // namespace cashvane
