#include "engine/chart/Legend.h"
#include "engine/chart/PieGeometry.h"

#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cashvane {
namespace {

ChartSlices slicesOfValues(std::initializer_list<std::int32_t> values)
{
    ChartSlices slices;
    for (const std::int32_t value : values)
        slices.push_back({value, {}, {}});
    return slices;
}

TEST(PieGeometryTest, TheProgramsChartHasItsPieAtTheLeft)
{
    const PieGeometry pie = pieGeometry(0, 0, 300, 220);
    EXPECT_EQ(pie.pieWidth, 195);
    EXPECT_EQ(pie.radius, 90);
    EXPECT_EQ(pie.centre, QPoint(102, 117));

    // A chart elsewhere in the picture moves with its corner.
    EXPECT_EQ(pieGeometry(-102, 83, 300, 220).centre, QPoint(0, 200));
}

TEST(PieGeometryTest, ACircleOfArcsSpansXFrom12To192AndYFrom27To207)
{
    const PieGeometry pie = pieGeometry(0, 0, 300, 220);
    const std::vector<QPoint> arc = arcPixels(pie, {0.0f, 2.0f * kPi});
    const auto [left, right] = std::minmax_element(arc.begin(), arc.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(arc.begin(), arc.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    EXPECT_EQ(left->x(), 12);
    EXPECT_EQ(right->x(), 192);
    EXPECT_EQ(top->y(), 27);
    EXPECT_EQ(bottom->y(), 207);
}

TEST(PieGeometryTest, AnArcStepsOnePixelAtATimeWithoutGaps)
{
    const PieGeometry pie = pieGeometry(0, 0, 300, 220);
    const std::vector<QPoint> quarter = arcPixels(pie, {0.0f, kPi / 2.0f});
    ASSERT_EQ(quarter.size(), 142u); // s from 0 to 141
    EXPECT_EQ(quarter.front(), QPoint(192, 117));
    EXPECT_EQ(quarter.back(), QPoint(102, 207));
    for (std::size_t i = 1; i < quarter.size(); ++i) {
        const QPoint step = quarter[i] - quarter[i - 1];
        EXPECT_LE(std::max(std::abs(step.x()), std::abs(step.y())), 1) << "between steps " << i - 1 << " and " << i;
    }
}

TEST(PieGeometryTest, SlicesShareTheTurnByValue)
{
    const std::vector<SliceAngles> halves = sliceAngles(slicesOfValues({5, 5}));
    ASSERT_EQ(halves.size(), 2u);
    EXPECT_EQ(halves[0].start, 0.0f);
    EXPECT_EQ(halves[0].end, kPi);
    EXPECT_EQ(halves[1].start, kPi);
    EXPECT_EQ(halves[1].end, 2.0f * kPi);

    const std::vector<SliceAngles> whole = sliceAngles(slicesOfValues({7}));
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].end, 2.0f * kPi);
}

TEST(PieGeometryTest, ValuesThatCannotMakeASliceGiveNoWidth)
{
    // A negative value counts as nothing rather than turning the pie back.
    const std::vector<SliceAngles> angles = sliceAngles(slicesOfValues({-5, 5}));
    ASSERT_EQ(angles.size(), 2u);
    EXPECT_EQ(angles[0].end, 0.0f);
    EXPECT_EQ(angles[1].end, 2.0f * kPi);
    // With nothing to share there are no angles at all, not a division by 0.
    EXPECT_TRUE(sliceAngles(slicesOfValues({0, 0})).empty());
    // The total is kept in 64 bits: two of the largest values are halves.
    const std::vector<SliceAngles> large = sliceAngles(slicesOfValues({2147483647, 2147483647}));
    EXPECT_EQ(large[0].end, kPi);
}

TEST(PieGeometryTest, RoundingTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(toPixel(2.5f), 2);
    EXPECT_EQ(toPixel(3.5f), 4);
    EXPECT_EQ(toPixel(-2.5f), -2);
    EXPECT_EQ(toPixel(2.4999998f), 2);
}

TEST(PieGeometryTest, TheSeedLiesHalfWayOutOnTheMiddleAngle)
{
    const PieGeometry pie = pieGeometry(0, 0, 300, 220);
    EXPECT_EQ(seedPoint(pie, {0.0f, kPi}), QPoint(102, 162));         // straight down, 45 out
    EXPECT_EQ(seedPoint(pie, {kPi, 2.0f * kPi}), QPoint(102, 72));    // straight up
    EXPECT_EQ(seedPoint(pie, {0.0f, 2.0f * kPi}), QPoint(57, 117));   // left, for a whole disc
}

struct ZoneCase {
    const char* name;
    SliceAngles angles;
    QPoint pixel;
    bool inside;
};

class SliceZoneTest : public testing::TestWithParam<ZoneCase> {};

TEST_P(SliceZoneTest, GrowsTheWedgeByAPixelAndAHalf)
{
    const SliceZone zone(pieGeometry(0, 0, 300, 220), GetParam().angles, 1.5);
    EXPECT_EQ(zone.contains(GetParam().pixel), GetParam().inside);
}

constexpr SliceAngles kLowerHalf{0.0f, kPi};
constexpr SliceAngles kLastSlice{6.0f, 2.0f * kPi};
constexpr SliceAngles kMostOfTheTurn{0.5f, 6.0f};

INSTANTIATE_TEST_SUITE_P(
    Cases, SliceZoneTest,
    testing::Values(ZoneCase{"InsideTheWedge", kLowerHalf, {102, 160}, true},
                    ZoneCase{"OneAcrossTheDiameter", kLowerHalf, {102, 116}, true},
                    ZoneCase{"TwoAcrossTheDiameter", kLowerHalf, {102, 115}, false},
                    ZoneCase{"OnePastTheArc", kLowerHalf, {102, 208}, true},
                    ZoneCase{"TwoPastTheArc", kLowerHalf, {102, 209}, false},
                    // The last slice of a turn ends just below angle 0.
                    ZoneCase{"AcrossTheEndOfTheTurn", kLastSlice, {150, 118}, true},
                    ZoneCase{"FarAcrossTheEndOfTheTurn", kLastSlice, {150, 125}, false},
                    // A wedge wider than a half turn leaves out only the gap.
                    ZoneCase{"WideWedgeOppositeTheGap", kMostOfTheTurn, {40, 117}, true},
                    ZoneCase{"WideWedgeInTheGap", kMostOfTheTurn, {170, 125}, false},
                    // A wedge of no width is only its radius line.
                    ZoneCase{"NoWidthOnItsLine", {1.0f, 1.0f}, {102 + 27, 117 + 42}, true},
                    ZoneCase{"NoWidthOppositeItsLine", {1.0f, 1.0f}, {102 - 27, 117 - 42}, false}),
    test::CaseName());

struct LegendCase {
    const char* name;
    int widestLabel;
    int rows;
    int frameLeft;
    int frameTop;
    int frameBottom;
};

class LegendGeometryTest : public testing::TestWithParam<LegendCase> {};

// The frame is drawn 5 pixels out from the first square and reaches down to
// the last row of the white box.
TEST_P(LegendGeometryTest, PlacesTheFrame)
{
    const LegendCase& c = GetParam();
    const LegendGeometry legend = legendGeometry(0, 0, 300, 220, 195, c.widestLabel, c.rows);
    EXPECT_EQ(legend.width, c.widestLabel + 12);
    EXPECT_EQ(legend.x - 5, c.frameLeft);
    EXPECT_EQ(legend.y - 5, c.frameTop);
    EXPECT_EQ(legend.y + 17 * c.rows - 1, c.frameBottom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LegendGeometryTest,
    testing::Values(LegendCase{"OneEntry", 52, 1, 178, 109, 130},
                    LegendCase{"ElevenEntries", 52, 11, 178, 24, 215},
                    LegendCase{"EmptyLabels", 0, 1, 204, 109, 130},
                    LegendCase{"LabelOf91LeavesOnePixelEachSide", 91, 1, 159, 109, 130},
                    LegendCase{"LabelOf92FillsTheRoom", 92, 1, 158, 109, 130},
                    LegendCase{"WiderLabelsStayAt158", 300, 1, 158, 109, 130},
                    LegendCase{"TwelveEntriesRunPastTheBottom", 52, 12, 178, 15, 223},
                    LegendCase{"FourteenEntriesRunPastTheTop", 52, 14, 178, -1, 241}),
    test::CaseName());

} // namespace
} // namespace cashvane
