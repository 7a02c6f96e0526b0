#pragma once

#include <QColor>

// The colours the pass gives tree items and list rows. The window shows them
// as they stand; the meaning of each lies with the step that picks it.
namespace cashvane::colours {

inline const QColor kBalanceNotNegative { 0, 153, 0 };
inline const QColor kBalanceNegative { 153, 0, 0 };

inline const QColor kWeekOverdrawn { 255, 188, 188 };
inline const QColor kWeekLosing { 255, 222, 204 };
inline const QColor kWeekFine { 204, 255, 204 };

} // namespace cashvane::colours
