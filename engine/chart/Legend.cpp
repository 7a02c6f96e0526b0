#include "Legend.h"

#include "ChartText.h"

#include <algorithm>

namespace cashvane {

namespace {

constexpr int kRowPitch = 17; // a 12-pixel square and 5 pixels to the next
constexpr int kSquare = 12;
constexpr int kTextGap = 16;  // from the square's left edge to its label
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

} // namespace

LegendGeometry legendGeometry(int left, int top, int width, int height, int pieWidth, int widestLabel, int rows)
{
    // Worked example, the program's 300 × 220 chart with one row whose label
    // is 52 pixels wide: width = 52 + 12 = 64; the 105 pixels right of the
    // 195-pixel pie leave (105 − 64) / 2 = 20 on each side, and the squares
    // start 32 pixels left of that, at x = 195 + 20 − 32 = 183. One row is
    // 12 high (17 × 1 − 5), centred in the 200 pixels below the title band:
    // y = (220 − 12 − 20) / 2 + 20 = 114, so the frame, 5 pixels out, runs
    // from y 109 to 130. A label of 92 pixels or more (width 104) leaves no
    // room on either side: the frame then starts at x 158, over the pie.
    LegendGeometry legend;
    legend.rows = rows;
    legend.width = widestLabel + 12;
    const int gap = std::max((width - pieWidth - legend.width) / 2, 0);
    legend.x = left + pieWidth + gap - 32;
    const int rowsHeight = kRowPitch * rows - 5;
    legend.y = top + (height - rowsHeight - 20) / 2 + 20;
    return legend;
}

int widestLabel(const ChartSlices& slices)
{
    std::vector<QString> labels;
    labels.reserve(slices.size());
    for (const ChartSlice& slice : slices)
        labels.push_back(slice.label);
    return widestText(chartTitleFont(), labels);
}

void drawLegend(QImage& picture, PixelCanvas& canvas, const LegendGeometry& legend, const ChartSlices& slices,
                const QColor& textColour)
{
    const int x = legend.x;
    const int boxHeight = kRowPitch * legend.rows;
    canvas.fillRect(x - 4, legend.y - 4, legend.width, boxHeight + 4, kWhite);
    canvas.outlineRect(x - 5, legend.y - 5, legend.width + 2, boxHeight + 5, kBlack);

    // Squares and labels of different rows never overlap, so all the squares
    // can go first and all the labels follow with one QPainter.
    std::vector<PlacedText> labels;
    labels.reserve(slices.size());
    int y = legend.y;
    for (const ChartSlice& slice : slices) {
        canvas.outlineRect(x, y, kSquare, kSquare, kBlack);
        canvas.fillRect(x + 1, y + 1, kSquare - 2, kSquare - 2, slice.colour.rgb());
        labels.push_back({QPoint(x + kTextGap, y - 1), slice.label});
        y += kRowPitch;
    }
    drawTexts(picture, chartLegendFont(), textColour, labels);
}

} // namespace cashvane
