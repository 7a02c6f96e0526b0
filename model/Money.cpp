#include "Money.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace cashvane {

QString moneyText(float x)
{
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("+Infinity") : QStringLiteral("-Infinity");
    // The largest float needs 39 digits before the point. to_chars with a
    // precision writes exactly what printf's "%.2f" writes, without the
    // locale and format parsing that make printf the pass's slowest step.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(x),
                                       std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Returns the length of the number at the start of text, 0 when there is none.
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it: "3e" is 3, "3e+" is 3.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// strtod follows the process locale, which a Qt program sets from the user's
// environment; amounts always use the point, so convert in the C locale.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

float parseAmount(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const QStringView rest = text.mid(start);
    const qsizetype length = numberLength(rest);
    if (length == 0)
        return 0.0f;
    const std::string number = rest.left(length).toLatin1().toStdString();
    // Through double first, as a typed amount always was: the decimal text is
    // rounded to double, then to single precision.
    return static_cast<float>(strtod_l(number.c_str(), nullptr, cLocale()));
}

double roundHalfEven(double x)
{
    if (!std::isfinite(x))
        return x;
    const double floor = std::floor(x);
    const double fraction = x - floor;
    if (fraction < 0.5)
        return floor;
    if (fraction > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace cashvane
