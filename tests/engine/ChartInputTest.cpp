#include "engine/ChartInput.h"
#include "EngineFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace cashvane {
namespace {

using test::entry;
using F = FrequencyCode;

TEST(SliceValue, RoundsHalfToEvenAndKeepsEverySliceVisible)
{
    const float inf = std::numeric_limits<float>::infinity();
    const std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    const std::vector<std::pair<float, std::int32_t>> cases = {
        { 0.4f, 2 },
        { 2.5f, 2 },
        { 3.5f, 4 },
        { -10.0f, 2 },
        { 0.0f, 2 },
        { 450.0f, 450 },
        { 1.5f, 2 },
        { 4.5f, 4 },
        { 5.5f, 6 },
        { 1234.49f, 1234 },
        { inf, largest },
        { -inf, 2 },
        { 3.0e9f, largest },
        { 2147483520.0f, 2147483520 },
        { std::numeric_limits<float>::quiet_NaN(), 2 },
    };
    for (const auto& [amount, value] : cases)
        EXPECT_EQ(sliceValue(amount), value) << amount;
}

TEST(SeededRandom, GivesTheSameNumbersOnEveryMachine)
{
    // std::mt19937 seeded with 0 starts 2357136044, 2546248239, 3071714933;
    // each maps onto 88 to 255 as 88 + output % 168.
    SeededRandom random(0);
    EXPECT_EQ(random.between(88, 255), 88 + static_cast<int>(2357136044u % 168));
    EXPECT_EQ(random.between(88, 255), 88 + static_cast<int>(2546248239u % 168));
    EXPECT_EQ(random.between(88, 255), 88 + static_cast<int>(3071714933u % 168));
}

TEST(SeededRandom, StaysWithinItsBounds)
{
    SeededRandom random(7);
    for (int i = 0; i < 10'000; ++i) {
        const int value = random.between(88, 255);
        ASSERT_GE(value, 88);
        ASSERT_LE(value, 255);
    }
    EXPECT_EQ(random.between(5, 5), 5);
    const int anyInt
        = random.between(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    (void)anyInt;
}

RecordList<Expense> expensesOf(int count)
{
    RecordList<Expense> expenses;
    for (int k = 1; k <= count; ++k)
        expenses.append(entry(F::Monthly, static_cast<float>(k), { 1, 1, 2010 }));
    return expenses;
}

TEST(ChartSlices, TakeThePaletteThenDrawRedGreenBlue)
{
    SeededRandom random(42);
    const ChartSlices slices = chartSlices(expensesOf(14), random);
    ASSERT_EQ(slices.size(), 14u);
    EXPECT_EQ(slices[0].colour, QColor(207, 186, 119));
    EXPECT_EQ(slices[1].colour, QColor(119, 165, 207));
    EXPECT_EQ(slices[5].colour, QColor(217, 165, 73));
    EXPECT_EQ(slices[10].colour, QColor(172, 22, 22));
    SeededRandom same(42);
    for (std::size_t i = 11; i < 14; ++i) {
        const int red = same.between(88, 255);
        const int green = same.between(88, 255);
        const int blue = same.between(88, 255);
        EXPECT_EQ(slices[i].colour, QColor(red, green, blue)) << "slice " << i + 1;
    }
}

TEST(ChartSlices, DrawNoNumbersForElevenExpensesOrFewer)
{
    SeededRandom random(3);
    const ChartSlices slices = chartSlices(expensesOf(11), random);
    SeededRandom untouched(3);
    EXPECT_EQ(random.between(0, 1'000'000), untouched.between(0, 1'000'000));
    EXPECT_EQ(slices.back().colour, QColor(172, 22, 22));
}

TEST(ChartSlices, AreLabelledByCategoryEvenWithACustomTitle)
{
    RecordList<Expense> expenses;
    Expense rent
        = entry(F::Monthly, 450, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Rent/Mortgage"));
    rent.useCustom = 1;
    rent.customTitle = QStringLiteral("Flat");
    expenses.append(rent);
    expenses.append(entry(F::Daily, -10, { 1, 1, 2010 }, std::nullopt, QStringLiteral("Vehicle")));
    SeededRandom random(0);
    const ChartSlices slices = chartSlices(expenses, random);
    const ChartSlices expected
        = { { 450, QStringLiteral("Rent/Mortgage (450.00)"), QColor(207, 186, 119) },
              { 2, QStringLiteral("Vehicle (-10.00)"), QColor(119, 165, 207) } };
    EXPECT_EQ(slices, expected);
}

} // namespace
} // namespace cashvane
