#include "tests/support/CaseName.h"
#include "ChartPictures.h"
#include "engine/chart/Legend.h"
#include "engine/chart/PieChart.h"
#include "engine/chart/PieGeometry.h"
#include "engine/chart/SliceShading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace cashvane {
namespace {

using test::colourAt;
using test::slice;

const QColor kRentColour{207, 186, 119};
const QColor kFoodColour{119, 165, 207};
const QPoint kCentre{102, 117};

QColor shade(const QColor& base, int x, int y)
{
    return QColor(shadeAt(base, x, y));
}

bool isBlack(const QImage& picture, int x, int y)
{
    return colourAt(picture, x, y) == test::kBlack;
}

// The left edge of the legend's frame; everything right of it may be legend.
int legendFrameLeft(const ChartSlices& slices)
{
    return legendGeometry(0, 0, 300, 220, 195, widestLabel(slices), static_cast<int>(slices.size())).x - 5;
}

// Every pixel between the title band and the bottom, left of the legend and
// clear of the pie's circle (and the one pixel its radius lines reach past
// it), still shows the frame: no fill got out.
void expectNothingOutsideThePie(const QImage& picture, const ChartSlices& slices)
{
    const int right = legendFrameLeft(slices);
    int leaks = 0;
    for (int y = 20; y < picture.height(); ++y) {
        for (int x = 0; x < right; ++x) {
            const QPoint d = QPoint(x, y) - kCentre;
            if (d.x() * d.x() + d.y() * d.y() > 92 * 92 && !test::isFrameColour(picture, x, y) && leaks++ == 0)
                ADD_FAILURE() << "first pixel painted outside the pie: (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(leaks, 0);
}

TEST(PieChartTest, NoExpensesShowAGreyDiscShadedTowardWhite)
{
    const QImage picture = drawExpensesChart({});
    ASSERT_EQ(picture.size(), QSize(300, 220));
    // Both ends of one radius are the same line; the disc is filled round it.
    EXPECT_TRUE(isBlack(picture, 150, 117));
    EXPECT_EQ(colourAt(picture, 60, 117), QColor(218, 220, 224));
    EXPECT_EQ(colourAt(picture, 40, 170), QColor(208, 210, 215));
    EXPECT_EQ(colourAt(picture, 60, 150), QColor(214, 216, 219));
    EXPECT_EQ(colourAt(picture, 150, 60), QColor(239, 240, 242));

    const ChartSlices noData{slice(100, QStringLiteral("No Data"), test::kNoDataGrey)};
    const LegendGeometry legend = legendGeometry(0, 0, 300, 220, 195, widestLabel(noData), 1);
    EXPECT_TRUE(isBlack(picture, legend.x, legend.y));
    EXPECT_EQ(colourAt(picture, legend.x + 5, legend.y + 5), test::kNoDataGrey);
    // Slices given with a count below 1 are not drawn: the count decides.
    const ChartSlices ignored{slice(100, QStringLiteral("Rent"), kRentColour)};
    QImage withIgnored(300, 220, QImage::Format_RGB32);
    drawPieChart(withIgnored, ignored, 0, 0, 0, 300, 220, kExpensesChartScheme, QStringLiteral("Expenses Breakdown"));
    EXPECT_EQ(withIgnored, picture);
}

TEST(PieChartTest, OneExpenseIsAWholeDiscCutByOneRadiusToTheRight)
{
    const QImage picture = drawExpensesChart({slice(450, QStringLiteral("Rent"), kRentColour)});
    const int legendLeft = legendFrameLeft({slice(450, QStringLiteral("Rent"), kRentColour)});
    for (int x = 102; x < legendLeft; ++x)
        EXPECT_TRUE(isBlack(picture, x, 117)) << "x " << x;
    for (const QPoint p : {QPoint(101, 117), QPoint(13, 117), QPoint(150, 116), QPoint(150, 118), QPoint(102, 28),
                           QPoint(102, 206), QPoint(60, 60), QPoint(60, 170)})
        EXPECT_EQ(colourAt(picture, p.x(), p.y()), shade(kRentColour, p.x(), p.y())) << p.x() << ", " << p.y();
}

TEST(PieChartTest, TwoEqualExpensesAreTheLowerThenTheUpperHalf)
{
    const QImage picture = drawExpensesChart(
        {slice(5, QStringLiteral("Rent"), kRentColour), slice(5, QStringLiteral("Food"), kFoodColour)});
    // The diameter, one pixel past the arc at the left.
    for (int x = 11; x <= 150; ++x)
        EXPECT_TRUE(isBlack(picture, x, 117)) << "x " << x;
    EXPECT_FALSE(isBlack(picture, 10, 117));
    for (const QPoint p : {QPoint(100, 160), QPoint(20, 118), QPoint(150, 118), QPoint(102, 206)})
        EXPECT_EQ(colourAt(picture, p.x(), p.y()), shade(kRentColour, p.x(), p.y())) << p.x() << ", " << p.y();
    for (const QPoint p : {QPoint(100, 70), QPoint(20, 116), QPoint(150, 116), QPoint(102, 28)})
        EXPECT_EQ(colourAt(picture, p.x(), p.y()), shade(kFoodColour, p.x(), p.y())) << p.x() << ", " << p.y();
}

TEST(PieChartTest, TheStripesAndTheFrameShowOutsideThePieOnly)
{
    const QImage picture = drawExpensesChart({slice(450, QStringLiteral("Rent"), kRentColour)});
    // Inside the pie a stripe row is covered by the fill.
    EXPECT_EQ(colourAt(picture, 102, 130), shade(kRentColour, 102, 130));
    EXPECT_EQ(colourAt(picture, 50, 80), shade(kRentColour, 50, 80));
    // Outside it: side strips 10 wide, stripes from x 11 to 288 at 25, 75,
    // 125 and 175, 25 high, and the background between them.
    EXPECT_EQ(colourAt(picture, 9, 100), test::kSideStrip);
    EXPECT_EQ(colourAt(picture, 290, 100), test::kSideStrip);
    EXPECT_EQ(colourAt(picture, 10, 30), test::kBackground);
    EXPECT_EQ(colourAt(picture, 11, 30), test::kStripe);
    EXPECT_EQ(colourAt(picture, 288, 30), test::kStripe);
    EXPECT_EQ(colourAt(picture, 289, 30), test::kBackground);
    EXPECT_EQ(colourAt(picture, 14, 175), test::kStripe);
    EXPECT_EQ(colourAt(picture, 14, 199), test::kStripe);
    EXPECT_EQ(colourAt(picture, 14, 200), test::kBackground);
    EXPECT_EQ(colourAt(picture, 15, 60), test::kBackground);
    EXPECT_EQ(colourAt(picture, 250, 219), test::kBackground);
}

TEST(PieChartTest, TheTitleIsCentredAtTheTopInItsColour)
{
    const QImage picture = drawExpensesChart({});
    int left = 300;
    int right = -1;
    bool titleColourSeen = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (test::isFrameColour(picture, x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            titleColourSeen = titleColourSeen || colourAt(picture, x, y) == QColor(49, 75, 49);
        }
    }
    ASSERT_GE(right, left) << "no title drawn";
    EXPECT_NEAR((left + right) / 2.0, 150.0, 1.5);
    EXPECT_GT(right - left, 100) << "the title is drawn far too small";
    EXPECT_TRUE(titleColourSeen);
}

TEST(PieChartTest, TheGradientRunsFromPicturePoint0And200ToPoint200And0)
{
    // A 400 × 400 picture, magenta before drawing, with a one-slice chart
    // moved so that its pie covers one end of the gradient, its seed (45
    // pixels left of the centre) still inside the picture. Near (0, 200) the
    // pie runs past the picture's left edge: the fill stops there and wraps
    // round to nothing on the right.
    struct End {
        QPoint centre;
        QPoint probe;
        QColor expected;
    };
    const QColor magenta(255, 0, 255);
    const QColor light(255, 255, 239);
    for (const End& end : {End{{50, 200}, {0, 230}, kRentColour}, End{{50, 200}, {10, 250}, kRentColour},
                           End{{250, 30}, {260, 50}, light}, End{{250, 30}, {300, 90}, light}}) {
        QImage picture(400, 400, QImage::Format_RGB32);
        picture.fill(magenta);
        const QPoint corner = end.centre - kCentre;
        drawPieChart(picture, {slice(450, QStringLiteral("Rent"), kRentColour)}, 1, corner.x(), corner.y(), 300, 220,
                     kExpensesChartScheme, QStringLiteral("Expenses Breakdown"));
        EXPECT_EQ(colourAt(picture, end.probe.x(), end.probe.y()), end.expected)
            << "at " << end.probe.x() << ", " << end.probe.y();
        if (corner.x() + 300 < 399) {
            for (int y = 0; y < 400; ++y)
                ASSERT_EQ(colourAt(picture, 399, y), magenta) << "y " << y;
        }
    }
}

TEST(PieChartTest, TheCountIsCutToTheSlicesGivenAndAnyPictureIsDrawnInRgb32)
{
    const ChartSlices two{slice(5, QStringLiteral("Rent"), kRentColour), slice(5, QStringLiteral("Food"), kFoodColour)};
    QImage picture(300, 220, QImage::Format_RGB888);
    drawPieChart(picture, two, 7, 0, 0, 300, 220, kExpensesChartScheme, QStringLiteral("Expenses Breakdown"));
    EXPECT_EQ(picture.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture, drawExpensesChart(two));

    QImage nothing;
    drawPieChart(nothing, two, 2, 0, 0, 300, 220, kExpensesChartScheme, QStringLiteral("Expenses Breakdown"));
    EXPECT_TRUE(nothing.isNull());
}

struct TinySlicesCase {
    const char* name;
    int largeAt; // index of the one large slice among 99 tiny ones
};

class TinySlicesTest : public testing::TestWithParam<TinySlicesCase> {};

// 99 slices of the smallest value beside one of 100000: each tiny slice is a
// tenth of a pixel wide at the arc, its seed lands on a line or across one,
// and the part of the circle after it has no arc yet. None may paint outside
// the pie or over the large slice.
TEST_P(TinySlicesTest, NeverLeakOutOfThePieOrIntoTheLargeSlice)
{
    ChartSlices slices = test::numberedSlices(99, 2);
    const QColor largeColour(98, 198, 105);
    slices.insert(slices.begin() + GetParam().largeAt, slice(100000, QStringLiteral("Large"), largeColour));
    const QImage picture = drawExpensesChart(slices);

    expectNothingOutsideThePie(picture, slices);
    // The tiny slices all lie within 0.0125 radians of angle 0; well away
    // from there, the whole disc is the large slice's.
    const int legendLeft = legendFrameLeft(slices);
    for (double angle = 0.1; angle < 2 * std::numbers::pi - 0.1; angle += 0.01) {
        for (const double distance : {10.0, 45.0, 88.0}) {
            const int x = kCentre.x() + static_cast<int>(std::lround(distance * std::cos(angle)));
            const int y = kCentre.y() + static_cast<int>(std::lround(distance * std::sin(angle)));
            if (x >= legendLeft)
                continue;
            ASSERT_EQ(colourAt(picture, x, y), shade(largeColour, x, y)) << "at " << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Arrangements, TinySlicesTest,
                         testing::Values(TinySlicesCase{"LargeFirst", 0}, TinySlicesCase{"LargeInTheMiddle", 50},
                                         TinySlicesCase{"LargeLast", 99}),
                         test::CaseName());

// Random charts of 1 to 100 slices of mixed sizes: every slice wide enough
// to have an inside around its seed is filled with its own shading, and no
// fill gets out of the pie, thin or not.
TEST(PieChartTest, RandomChartsFillEveryWideSliceAndNothingOutside)
{
    const PieGeometry pie = pieGeometry(0, 0, 300, 220);
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        ChartSlices slices = test::numberedSlices(1 + static_cast<int>(random() % 100), 2);
        for (ChartSlice& s : slices)
            s.value = random() % 3 == 0 ? 2 : 2 + static_cast<std::int32_t>(random() % 1000);
        const QImage picture = drawExpensesChart(slices);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << slices.size() << " slices");

        expectNothingOutsideThePie(picture, slices);
        const int legendLeft = legendFrameLeft(slices);
        const std::vector<SliceAngles> angles = sliceAngles(slices);
        for (std::size_t k = 0; k < slices.size(); ++k) {
            const QPoint p = seedPoint(pie, angles[k]);
            // The seed lies 45 pixels out, 45 × sin(half the width) from
            // either radius line, or 45 from both when the slice is wider
            // than a half; 3 pixels leave it clear of their rounding.
            const double halfWidth = (angles[k].end - angles[k].start) / 2.0;
            const double clearance = halfWidth >= std::numbers::pi / 2 ? 45.0 : 45.0 * std::sin(halfWidth);
            if (clearance >= 3.0 && p.x() < legendLeft) {
                EXPECT_EQ(colourAt(picture, p.x(), p.y()), shade(slices[k].colour, p.x(), p.y())) << "slice " << k + 1;
            }
        }
    }
}

} // namespace
} // namespace cashvane
