#include "DateLabel.h"

#include <array>

namespace cashvane {

QString ordinalSuffix(QStringView twoDigitDay)
{
    if (twoDigitDay.size() != 2 || twoDigitDay[0] == u'1')
        return QStringLiteral("th");
    switch (twoDigitDay[1].unicode()) {
    case u'1':
        return QStringLiteral("st");
    case u'2':
        return QStringLiteral("nd");
    case u'3':
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

QString dateLabelText(CalendarTime t)
{
    static const std::array<QString, 12> kMonths = {
        QStringLiteral("January"),
        QStringLiteral("February"),
        QStringLiteral("March"),
        QStringLiteral("April"),
        QStringLiteral("May"),
        QStringLiteral("June"),
        QStringLiteral("July"),
        QStringLiteral("August"),
        QStringLiteral("September"),
        QStringLiteral("October"),
        QStringLiteral("November"),
        QStringLiteral("December"),
    };
    const QString day = maskedDate(u"%dd", t);
    return kMonths[static_cast<std::size_t>(dateOf(t).month - 1)] + u' ' + day + ordinalSuffix(day)
        + u' ' + maskedDate(u"%yyyy", t);
}

} // namespace cashvane
