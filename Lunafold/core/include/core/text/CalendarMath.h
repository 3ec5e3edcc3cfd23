// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/CivilDate.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <optional>
#include <vector>

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

/// Weekday of a civil date: 1 Monday … 7 Sunday.
int isoWeekday(const CivilDate &date);
int daysInMonth(int year, int month);

/// One day of a month grid: its date and the instant its day begins in the grid's zone.
struct GridDay {
    CivilDate date;
    Instant start;
    bool inMonth = false;
};

/// The days shown for a month: whole weeks from the week holding the 1st to the week holding the
/// last day, weeks beginning on @p firstWeekday (1 Monday … 7 Sunday), so 28, 35 or 42 days.
/// Empty when the month or a day start cannot be formed in @p zone.
std::vector<GridDay> monthGridDays(int year, int month, int firstWeekday, const TimeZone &zone);

/// @p t moved by @p days calendar days on the wall clock of @p zone (a day across a
/// daylight-saving change is 23 or 25 hours); std::nullopt when the result cannot be formed.
std::optional<Instant> addingDays(Instant t, int days, const TimeZone &zone);
/// @p t moved by @p months calendar months, the day clamped to the target month's length.
std::optional<Instant> addingMonths(Instant t, int months, const TimeZone &zone);

} // namespace lunafold
