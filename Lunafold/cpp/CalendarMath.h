// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

namespace lunafold {

/// A calendar difference in whole days, then hours and minutes of what remains.
struct DayHourMinute {
    int days = 0, hours = 0, minutes = 0;
};

/// From @p from to @p to in the calendar of @p zone: days are counted on the wall clock (so a day
/// across a daylight-saving change is still one day), hours and minutes on what is left; each is
/// truncated. Zero when @p to is not after @p from.
DayHourMinute calendarDifference(Instant from, Instant to, const TimeZone &zone);

/// Both instants fall on the same calendar day in @p zone.
bool sameLocalDay(Instant a, Instant b, const TimeZone &zone);

} // namespace lunafold
