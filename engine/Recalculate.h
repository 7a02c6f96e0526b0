#pragma once

#include "engine/RandomSource.h"
#include "engine/RecalculationResult.h"
#include "model/Calendar.h"
#include "model/Profile.h"

// The recalculation pass: everything the window shows, worked out afresh from
// the profile. It reads the time and random numbers only from its arguments,
// keeps nothing between runs and never changes the profile, so the same
// profile, time and random numbers always give the same result. Showing the
// result, and loading the report template the fields are written into, are
// left to the caller.
namespace cashvane {

// `now` dates the projection; `startTime` is when the program started, which
// the window's date label and the report's date show for as long as it runs.
RecalculationResult recalculate(
    const Profile& profile, CalendarTime now, CalendarTime startTime, RandomSource& random);

} // namespace cashvane
