#include "tests/support/CaseName.h"
#include "ChartPictures.h"
#include "engine/chart/Legend.h"
#include "engine/chart/PieChart.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

using test::colourAt;

LegendGeometry legendOf(const ChartSlices& slices)
{
    return legendGeometry(0, 0, 300, 220, 195, widestLabel(slices), static_cast<int>(slices.size()));
}

struct FrameCase {
    const char* name;
    int rows;
    int top;    // the frame's first row
    int bottom; // and its last
};

class LegendFrameTest : public testing::TestWithParam<FrameCase> {};

TEST_P(LegendFrameTest, RunsFromTopToBottomAroundWhite)
{
    const ChartSlices slices = test::numberedSlices(GetParam().rows, 10);
    const QImage picture = drawExpensesChart(slices);
    const LegendGeometry legend = legendOf(slices);
    const int frameLeft = legend.x - 5;
    const int frameRight = legend.x + legend.width - 4;

    for (int y = GetParam().top; y <= GetParam().bottom; ++y) {
        EXPECT_EQ(colourAt(picture, frameLeft, y), test::kBlack) << "left side, y " << y;
        EXPECT_EQ(colourAt(picture, frameRight, y), test::kBlack) << "right side, y " << y;
    }
    EXPECT_NE(colourAt(picture, frameLeft, GetParam().top - 1), test::kBlack);
    EXPECT_NE(colourAt(picture, frameLeft, GetParam().bottom + 1), test::kBlack);
    EXPECT_NE(colourAt(picture, frameRight + 1, GetParam().top + 1), test::kBlack);
    // Inside the frame: white where no square or letter is.
    EXPECT_EQ(colourAt(picture, frameLeft + 1, GetParam().top + 1), test::kWhite);
    EXPECT_EQ(colourAt(picture, frameRight - 1, GetParam().bottom - 1), test::kWhite);
}

INSTANTIATE_TEST_SUITE_P(Rows, LegendFrameTest,
                         testing::Values(FrameCase{"OneEntry", 1, 109, 130}, FrameCase{"ElevenEntries", 11, 24, 215}),
                         test::CaseName());

TEST(LegendTest, EachRowHasABorderedSquareOfTheBaseColourAndItsLabel)
{
    const ChartSlices slices = test::numberedSlices(3, 10);
    const QImage picture = drawExpensesChart(slices);
    const LegendGeometry legend = legendOf(slices);
    for (int k = 0; k < 3; ++k) {
        const int y = legend.y + 17 * k;
        EXPECT_EQ(colourAt(picture, legend.x, y), test::kBlack);
        EXPECT_EQ(colourAt(picture, legend.x + 11, y + 11), test::kBlack);
        EXPECT_EQ(colourAt(picture, legend.x + 1, y + 1), slices[static_cast<std::size_t>(k)].colour);
        EXPECT_EQ(colourAt(picture, legend.x + 10, y + 10), slices[static_cast<std::size_t>(k)].colour);
        EXPECT_EQ(colourAt(picture, legend.x + 12, y + 5), test::kWhite);
        int inked = 0;
        for (int x = legend.x + 16; x < legend.x + 60; ++x) {
            for (int row = y - 1; row < y + 12; ++row)
                inked += colourAt(picture, x, row) != test::kWhite ? 1 : 0;
        }
        EXPECT_GT(inked, 20) << "no label in row " << k + 1;
    }
}

TEST(LegendTest, ALongLabelMovesTheLegendOverThePie)
{
    const ChartSlices slices{test::slice(450, QStringLiteral("Rent/Mortgage and every other housing cost (450.00)"),
                                         QColor(207, 186, 119))};
    ASSERT_GE(widestLabel(slices) + 12, 104);
    const QImage picture = drawExpensesChart(slices);
    for (int y = 109; y <= 130; ++y)
        EXPECT_EQ(colourAt(picture, 158, y), test::kBlack) << "y " << y;
    // The box covers the pie's right part; left of it the pie shows.
    EXPECT_EQ(colourAt(picture, 159, 120), test::kWhite);
    EXPECT_NE(colourAt(picture, 157, 120), test::kWhite);
    EXPECT_FALSE(test::isFrameColour(picture, 157, 120));
}

TEST(LegendTest, ALegendTallerThanThePictureIsClippedAtBothEdges)
{
    const ChartSlices slices = test::numberedSlices(14, 10);
    const QImage picture = drawExpensesChart(slices);
    const LegendGeometry legend = legendOf(slices);
    ASSERT_EQ(legend.y, 4); // the frame starts at y −1
    for (const int y : {0, 219})
        EXPECT_EQ(colourAt(picture, legend.x - 5, y), test::kBlack);
    EXPECT_EQ(colourAt(picture, legend.x - 4, 0), test::kWhite);
    EXPECT_EQ(colourAt(picture, legend.x + 1, 4 + 1), slices[0].colour);
    // Row 13's square, from y 208 to 219, just fits; row 14's, at 225, lies
    // below the picture.
    EXPECT_EQ(colourAt(picture, legend.x + 1, 208 + 1), slices[12].colour);
}

} // namespace
} // namespace cashvane
