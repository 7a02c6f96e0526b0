#include "PassOptions.h"

#include "Output.h"

#include <QRegularExpression>

#include <limits>

namespace cashvane::cli {

std::optional<CalendarTime> parseNow(const QString& text)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto part = [&match](int n) { return match.capturedView(n).toInt(); };
    const CalendarTime t = calendarTime(part(1), part(2), part(3), part(4), part(5), part(6));
    if (t == kInvalidTime)
        return std::nullopt;
    return t;
}

std::optional<std::uint32_t> parseSeed(const QString& text)
{
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,10}")));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qulonglong value = text.toULongLong();
    if (value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<CalendarTime> nowOption(const Arguments& arguments, const QString& command)
{
    const std::optional<QString> given = arguments.option(QStringLiteral("--now"));
    if (!given)
        return now();
    const std::optional<CalendarTime> time = parseNow(*given);
    if (!time)
        fail(QStringLiteral(
            "%1: --now \"%2\" is not a date and time of the form YYYY-MM-DD HH:MM:SS")
                 .arg(command, *given));
    return time;
}

std::optional<std::uint32_t> seedOption(const Arguments& arguments, const QString& command)
{
    const std::optional<QString> given = arguments.option(QStringLiteral("--seed"));
    if (!given)
        return kDefaultSeed;
    const std::optional<std::uint32_t> seed = parseSeed(*given);
    if (!seed)
        fail(QStringLiteral("%1: --seed \"%2\" is not a whole number from 0 to 4294967295")
                 .arg(command, *given));
    return seed;
}

} // namespace cashvane::cli
