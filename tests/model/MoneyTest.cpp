#include "model/Money.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace cashvane {
namespace {

struct MoneyTextCase {
    float value;
    const char* text;
};

TEST(MoneyText, WritesTwoDecimalsOrTheNameOfANonFiniteValue)
{
    const float nearestToHalfCent = 0.005f; // 0.004999999888241291, just below
    const MoneyTextCase cases[] = {
        {1234.5f, "1234.50"},
        {-3.0f, "-3.00"},
        {0.0f, "0.00"},
        {nearestToHalfCent, "0.00"},
        {-0.001f, "-0.00"},
        {2.675f, "2.67"},
        {1e7f, "10000000.00"},
        {FLT_MAX, "340282346638528859811704183484516925440.00"},
        {std::numeric_limits<float>::infinity(), "+Infinity"},
        {-std::numeric_limits<float>::infinity(), "-Infinity"},
        {std::numeric_limits<float>::quiet_NaN(), "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(moneyText(c.value).toStdString(), c.text) << "value " << c.value;
}

struct ParseCase {
    const char16_t* text;
    float value;
};

TEST(ParseAmount, ReadsTheNumberATextBeginsWith)
{
    const ParseCase cases[] = {
        {u"  42.5kg", 42.5f},
        {u".5", 0.5f},
        {u"-.5", -0.5f},
        {u"+7", 7.0f},
        {u"-20", -20.0f},
        {u"1e3", 1000.0f},
        {u"2.5E-1x", 0.25f},
        {u"3e", 3.0f},
        {u"3e+", 3.0f},
        {u"12,50", 12.0f},
        {u"1,250.00", 1.0f},
        {u"$5", 0.0f},
        {u"abc", 0.0f},
        {u"", 0.0f},
        {u".", 0.0f},
        {u"-", 0.0f},
        {u"0x10", 0.0f},
        {u"nan", 0.0f},
        {u"inf", 0.0f},
        {u"\t\n 8", 8.0f},
        {u"2.675", 2.675f},
        {u"0.1", 0.1f},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(parseAmount(text), c.value) << "text \"" << text.toStdString() << '"';
    }
}

TEST(ParseAmount, GivesInfinityForANumberBeyondSinglePrecision)
{
    EXPECT_EQ(parseAmount(u"1e39"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(parseAmount(u"-1e999"), -std::numeric_limits<float>::infinity());
}

TEST(AddAmounts, RoundsEachSumToSinglePrecision)
{
    // 2^24 + 1 has no single-precision form; the sum stays at 2^24.
    EXPECT_EQ(addAmounts(16777216.0f, 1.0f), 16777216.0f);
    EXPECT_EQ(addAmounts(0.1f, 0.2f), 0.3f);
    float total = 0.0f;
    for (int i = 0; i < 10; ++i)
        total = addAmounts(total, 0.1f);
    EXPECT_EQ(total, 1.0000001f);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour)
{
    const std::pair<double, double> cases[] = {
        {2.5, 2.0}, {3.5, 4.0}, {0.5, 0.0}, {1.5, 2.0}, {0.4, 0.0}, {0.6, 1.0},
        {-2.5, -2.0}, {-3.5, -4.0}, {-10.0, -10.0}, {450.0, 450.0}, {1e10 + 0.5, 1e10},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << "value " << value;
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
}

} // namespace
} // namespace cashvane
