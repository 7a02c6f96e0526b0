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

RecalculationResult recalculate(const Profile& profile, CalendarTime now, RandomSource& random);

} // namespace cashvane
