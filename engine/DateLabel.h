#pragma once

#include "model/Calendar.h"

#include <QString>

// The text of the window's date label, which the quick report repeats: the
// month's name, the two-digit day with its ordinal suffix and the year, as
// "August 03rd 2010". When the label is made is the caller's business.
namespace cashvane {

// The suffix the two-digit day text takes: "th" for 11 to 13, otherwise by
// the last digit "st", "nd", "rd" or "th". "01" gives "st", so the day keeps
// its leading zero as in "01st".
QString ordinalSuffix(QStringView twoDigitDay);

QString dateLabelText(CalendarTime t);

} // namespace cashvane
