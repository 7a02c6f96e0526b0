#include "ChartInput.h"

#include "model/Money.h"

#include <array>
#include <limits>

namespace cashvane {

namespace {

constexpr std::int32_t kSmallestSlice = 2;
constexpr int kLowestRandomShade = 88;
constexpr int kHighestRandomShade = 255;

struct Shade {
    int red;
    int green;
    int blue;
};

constexpr std::array<Shade, 11> kPalette = { {
    { 207, 186, 119 },
    { 119, 165, 207 },
    { 186, 207, 119 },
    { 212, 146, 146 },
    { 135, 225, 218 },
    { 217, 165, 73 },
    { 98, 143, 198 },
    { 98, 198, 105 },
    { 138, 98, 198 },
    { 232, 223, 106 },
    { 172, 22, 22 },
} };

} // namespace

std::int32_t sliceValue(float amount)
{
    const double rounded = roundHalfEven(static_cast<double>(amount));
    // Written so that NaN and -Infinity fail the first test and take the
    // smallest value.
    if (!(rounded >= kSmallestSlice))
        return kSmallestSlice;
    if (rounded >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

QColor sliceColour(int k, RandomSource& random)
{
    if (k >= 1 && k <= static_cast<int>(kPalette.size())) {
        const Shade& shade = kPalette[static_cast<std::size_t>(k - 1)];
        return { shade.red, shade.green, shade.blue };
    }
    // Three separate statements, because C++ leaves open the order in which a
    // call's arguments are worked out, and the draws must go red, green, blue.
    const int red = random.between(kLowestRandomShade, kHighestRandomShade);
    const int green = random.between(kLowestRandomShade, kHighestRandomShade);
    const int blue = random.between(kLowestRandomShade, kHighestRandomShade);
    return { red, green, blue };
}

ChartSlices chartSlices(const RecordList<Expense>& expenses, RandomSource& random)
{
    ChartSlices slices;
    slices.reserve(static_cast<std::size_t>(expenses.count()));
    int k = 0;
    for (const Expense& expense : expenses) {
        ++k;
        // The legend names the category, never the custom title.
        slices.push_back({ sliceValue(expense.amount),
            expense.title + QStringLiteral(" (") + moneyText(expense.amount) + u')',
            sliceColour(k, random) });
    }
    return slices;
}

} // namespace cashvane
