#include "DateLabel.h"

#include "model/Choices.h"

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
    const QString day = maskedDate(u"%dd", t);
    return monthNames()[dateOf(t).month - 1] + u' ' + day + ordinalSuffix(day)
        + u' ' + maskedDate(u"%yyyy", t);
}

} // namespace cashvane
