// SPDX-License-Identifier: MIT
#include "CalendarMath.h"

#include "astronomy/CivilDate.h"

#include <cmath>

namespace lunafold {
namespace {

long long dayNumber(const LocalDateTime &l) { return daysFromCivil(l.year, l.month, l.day); }

} // namespace

DayHourMinute calendarDifference(Instant from, Instant to, const TimeZone &zone) {
    if (!(to > from))
        return {};
    const LocalDateTime a = zone.localDateTime(from);
    const long long start = dayNumber(a);
    // The most days that can be added to the wall clock without passing the target.
    Instant shifted = from;
    int days = 0;
    for (long long d = dayNumber(zone.localDateTime(to)) - start; d > 0; --d) {
        const CivilDate c = civilFromDays(start + d);
        const auto candidate = zone.instantOf({c.year, c.month, c.day, a.hour, a.minute, a.second});
        if (candidate && *candidate <= to) {
            shifted = *candidate;
            days = static_cast<int>(d);
            break;
        }
    }
    const double rest = to.secondsSince(shifted);
    const int hours = static_cast<int>(std::floor(rest / 3600.0));
    const int minutes = static_cast<int>(std::floor((rest - hours * 3600.0) / 60.0));
    return {days, hours, minutes};
}

bool sameLocalDay(Instant a, Instant b, const TimeZone &zone) {
    return dayNumber(zone.localDateTime(a)) == dayNumber(zone.localDateTime(b));
}

} // namespace lunafold
