#pragma once

#include <QString>
#include <QStringView>

// Money values of the profile. Every amount is a single-precision float, and a
// sum is rounded to single precision after each addition, so that a total
// never depends on the precision the compiler happened to keep in registers.
namespace cashvane {

// Writes x with exactly two decimals ("1234.50", "-3.00"), or "+Infinity",
// "-Infinity" and "NaN" for the values that are not finite.
QString moneyText(float x);

// Reads the number a typed text begins with: leading white space, an optional
// sign, digits with an optional point and fraction, an optional exponent.
// Reading stops at the first character that does not fit; a text without a
// leading number gives 0. Only the point is a decimal mark, so "12,50" gives
// 12, and "nan" or "inf" are not numbers.
float parseAmount(QStringView text);

// One addition of two amounts, rounded to single precision.
inline float addAmounts(float a, float b)
{
    return static_cast<float>(static_cast<double>(a) + static_cast<double>(b));
}

// Rounds to the nearest whole number, a half to the even neighbour
// (2.5 gives 2, 3.5 gives 4), whatever the floating-point environment says.
double roundHalfEven(double x);

} // namespace cashvane
