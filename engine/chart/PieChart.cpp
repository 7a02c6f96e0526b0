#include "PieChart.h"

#include "ChartText.h"
#include "Legend.h"
#include "PieGeometry.h"
#include "PixelCanvas.h"
#include "SliceFill.h"

#include <algorithm>

namespace cashvane {

namespace {

constexpr QRgb kStripe = qRgb(219, 219, 221);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr int kSideStrip = 10;
constexpr int kStripeHeight = 25;
constexpr int kStripePitch = 50;

// The slices the chart shows: the first n, or the one "No Data" slice.
ChartSlices shownSlices(const ChartSlices& slices, int n)
{
    if (n < 1)
        return {ChartSlice{100, QStringLiteral("No Data"), QColor(198, 201, 206)}};
    return {slices.begin(), slices.begin() + std::min<qsizetype>(n, std::ssize(slices))};
}

void drawBackground(PixelCanvas& canvas, int left, int top, int width, int height, const ChartScheme& scheme)
{
    canvas.fillRect(left, top, width, height, scheme.background.rgb());
    canvas.fillRect(left, top, kSideStrip, height, scheme.sideStrip.rgb());
    canvas.fillRect(left + width - kSideStrip, top, kSideStrip, height, scheme.sideStrip.rgb());
    // Stripes at 25, 75, 125 and 175 below the top for a height of 220: one
    // starts wherever its top is at most the height, even if it then runs
    // past the chart's bottom edge.
    for (int y = kStripeHeight; y <= height; y += kStripePitch)
        canvas.fillRect(left + kSideStrip + 1, top + y, width - 2 * kSideStrip - 2, kStripeHeight, kStripe);
}

void drawTitle(QImage& picture, int left, int top, int width, const ChartScheme& scheme, const QString& title)
{
    const QFont font = chartTitleFont();
    drawTexts(picture, font, scheme.titleText, {{QPoint(left + (width - textWidth(font, title)) / 2, top), title}});
}

// The two radius lines reach one pixel past the arc, so that the arc's ends
// always meet a line and the outline has no gap for the fill to slip through.
void drawSliceOutline(PixelCanvas& canvas, const PieGeometry& pie, SliceAngles angles)
{
    const auto reach = static_cast<float>(pie.radius + 1);
    for (const float angle : {angles.start, angles.end}) {
        const QPoint end = pointAt(pie.centre, reach, angle);
        canvas.drawLine(pie.centre.x(), pie.centre.y(), end.x(), end.y(), kBlack);
    }
    for (const QPoint p : arcPixels(pie, angles))
        canvas.plot(p.x(), p.y(), kBlack);
}

// Each slice is outlined and filled before the next is outlined, so a fill
// is closed in by its own two lines and arc; the next slice's start line is
// the same line drawn again.
void drawSlices(PixelCanvas& canvas, const PieGeometry& pie, const ChartSlices& slices)
{
    SliceFill fill(canvas, pie);
    const std::vector<SliceAngles> angles = sliceAngles(slices);
    for (std::size_t k = 0; k < angles.size(); ++k) {
        drawSliceOutline(canvas, pie, angles[k]);
        fill.fill(angles[k], slices[k].colour);
    }
}

} // namespace

void drawPieChart(QImage& picture, const ChartSlices& slices, int n, int left, int top, int width, int height,
                  const ChartScheme& scheme, const QString& title)
{
    PixelCanvas canvas(picture);
    const ChartSlices shown = shownSlices(slices, n);
    const PieGeometry pie = pieGeometry(left, top, width, height);

    drawBackground(canvas, left, top, width, height, scheme);
    drawTitle(picture, left, top, width, scheme, title);
    drawSlices(canvas, pie, shown);
    const LegendGeometry legend = legendGeometry(left, top, width, height, pie.pieWidth, widestLabel(shown),
                                                 static_cast<int>(shown.size()));
    drawLegend(picture, canvas, legend, shown, scheme.legendText);
}

QImage drawExpensesChart(const ChartSlices& slices)
{
    QImage picture(kExpensesChartWidth, kExpensesChartHeight, QImage::Format_RGB32);
    drawExpensesChart(picture, slices);
    return picture;
}

void drawExpensesChart(QImage& picture, const ChartSlices& slices)
{
    drawPieChart(picture, slices, static_cast<int>(slices.size()), 0, 0, kExpensesChartWidth, kExpensesChartHeight,
                 kExpensesChartScheme, QStringLiteral("Expenses Breakdown"));
}

} // namespace cashvane
