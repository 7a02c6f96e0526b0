#include "engine/chart/SliceShading.h"

#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

struct ShadeCase {
    const char* name;
    QColor base;
    int x;
    int y;
    QColor expected;
};

class SliceShadingTest : public testing::TestWithParam<ShadeCase> {};

TEST_P(SliceShadingTest, BlendsAlongTheDiagonal)
{
    const ShadeCase& c = GetParam();
    EXPECT_EQ(QColor(shadeAt(c.base, c.x, c.y)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliceShadingTest,
    testing::Values(
        // (0, 200) is the base colour, (200, 0) the light one, 120 higher and
        // held at 255; beyond them the colour stays put.
        ShadeCase{"DarkEnd", {207, 186, 119}, 0, 200, {207, 186, 119}},
        ShadeCase{"BeyondTheDarkEnd", {207, 186, 119}, 10, 260, {207, 186, 119}},
        ShadeCase{"LightEndHeldAt255", {207, 186, 119}, 200, 0, {255, 255, 239}},
        ShadeCase{"BeyondTheLightEnd", {207, 186, 119}, 299, 0, {255, 255, 239}},
        // Along the same diagonal the colour does not change.
        ShadeCase{"HalfWay", {100, 0, 50}, 100, 100, {160, 60, 110}},
        ShadeCase{"HalfWayElsewhere", {100, 0, 50}, 150, 150, {160, 60, 110}},
        // t = 110 / 400 on the no-data grey: 15.675, 14.85 and 13.475 more.
        ShadeCase{"NoDataGrey", {198, 201, 206}, 60, 150, {214, 216, 219}},
        // A half rounds up: 120 × 5 / 400 = 1.5 gives 2.
        ShadeCase{"HalfRoundsUp", {0, 0, 0}, 0, 195, {2, 2, 2}}),
    test::CaseName());

TEST(LightColourTest, AddsAHundredAndTwentyUpTo255)
{
    EXPECT_EQ(lightColour({198, 201, 206}), QColor(255, 255, 255));
    EXPECT_EQ(lightColour({98, 143, 0}), QColor(218, 255, 120));
}

} // namespace
} // namespace cashvane
