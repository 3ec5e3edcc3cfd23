// SPDX-License-Identifier: MIT
#include "core/text/CalendarMath.h"

#include <algorithm>
#include <cmath>

namespace lunafold {
namespace {

long long dayNumber(const LocalDateTime &l) {
    return daysFromCivil(l.year, l.month, l.day);
}

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

int isoWeekday(const CivilDate &date) {
    // 1970-01-01 was a Thursday.
    const long long z = daysFromCivil(date.year, date.month, date.day);
    return static_cast<int>(((z % 7 + 7) % 7 + 3) % 7) + 1;
}

int daysInMonth(int year, int month) {
    const int next = month == 12 ? 1 : month + 1;
    const long long y = month == 12 ? year + 1LL : year;
    return static_cast<int>(daysFromCivil(y, next, 1) - daysFromCivil(year, month, 1));
}

std::vector<GridDay> monthGridDays(int year, int month, int firstWeekday, const TimeZone &zone) {
    if (month < 1 || month > 12 || firstWeekday < 1 || firstWeekday > 7)
        return {};
    const long long first = daysFromCivil(year, month, 1);
    const int lead = (isoWeekday({year, month, 1}) - firstWeekday + 7) % 7;
    const int cells = (lead + daysInMonth(year, month) + 6) / 7 * 7;
    std::vector<GridDay> days;
    days.reserve(static_cast<std::size_t>(cells));
    for (int i = 0; i < cells; ++i) {
        const CivilDate d = civilFromDays(first - lead + i);
        const auto start = zone.startOfDay(d.year, d.month, d.day);
        if (!start)
            return {};
        days.push_back({d, *start, d.month == month});
    }
    return days;
}

std::optional<Instant> addingDays(Instant t, int days, const TimeZone &zone) {
    LocalDateTime l = zone.localDateTime(t);
    const CivilDate d = civilFromDays(dayNumber(l) + days);
    l.year = d.year;
    l.month = d.month;
    l.day = d.day;
    return zone.instantOf(l);
}

std::optional<Instant> addingMonths(Instant t, int months, const TimeZone &zone) {
    LocalDateTime l = zone.localDateTime(t);
    const long long index = l.year * 12LL + (l.month - 1) + months;
    const long long year = (index >= 0 ? index : index - 11) / 12;
    l.year = static_cast<int>(year);
    l.month = static_cast<int>(index - year * 12) + 1;
    l.day = std::min(l.day, daysInMonth(l.year, l.month));
    return zone.instantOf(l);
}

} // namespace lunafold
