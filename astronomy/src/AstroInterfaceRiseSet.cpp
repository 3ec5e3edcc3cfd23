// SPDX-License-Identifier: MIT
// Moonrise, transit and moonset inside one local day: the framework's events from five anchors
// around local noon, with the day's own altitude scan as the fallback.
#include "astronomy/AstroInterface.h"

#include "Bisection.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/RiseTransitSet.h"

#include <algorithm>
#include <array>

namespace lunafold {
namespace {

enum class MoonEvent { rise, transit, set };

constexpr double kSearchAltitude = 0.125; // degrees, fallback target
constexpr double kScanStep = 1800.0;      // seconds

double moonAltitude(Instant t, const aa::GeographicCoordinates &place) {
    const aa::JulianDay jd(t);
    return aa::Moon(jd).equatorialCoordinates().makeHorizontalCoordinates(place, jd).altitude;
}

std::optional<Instant> fallbackRiseSet(const LocalDayFrame &day, const aa::GeographicCoordinates &place,
                                       bool rise) {
    auto altitude = [&place](Instant t) { return moonAltitude(t, place); };
    Instant cursor = day.dayStart;
    double fprev = altitude(cursor) - kSearchAltitude;
    while (cursor < day.dayEnd) {
        const Instant next = cursor.plusSeconds(kScanStep);
        const double fn = altitude(next) - kSearchAltitude;
        const bool bracket = rise ? (fprev <= 0 && fn > 0) : (fprev > 0 && fn <= 0);
        if (bracket)
            return detail::bisectCrossing(cursor, next, altitude, kSearchAltitude);
        cursor = next;
        fprev = fn;
    }
    return std::nullopt;
}

// Culmination search: the highest half-hour sample, narrowed by ternary search, kept only when
// it is a true maximum.
std::optional<Instant> fallbackTransit(const LocalDayFrame &day, const aa::GeographicCoordinates &place) {
    auto altitude = [&place](Instant t) { return moonAltitude(t, place); };
    Instant best = day.dayStart;
    double bestAlt = altitude(best);
    for (Instant t = day.dayStart; t < day.dayEnd; t = t.plusSeconds(kScanStep)) {
        const double a = altitude(t);
        if (a > bestAlt) {
            best = t;
            bestAlt = a;
        }
    }
    Instant lo = std::max(best.plusSeconds(-kScanStep), day.dayStart);
    Instant hi = std::min(best.plusSeconds(kScanStep), day.dayEnd);
    for (int round = 0; round < 25 && hi.secondsSince(lo) > 1.0; ++round) {
        const double span = hi.secondsSince(lo);
        const Instant m1 = lo.plusSeconds(span / 3), m2 = hi.plusSeconds(-span / 3);
        if (altitude(m2) <= altitude(m1))
            hi = m2;
        else
            lo = m1;
    }
    const Instant mid = lo.plusSeconds(hi.secondsSince(lo) / 2);
    // A maximum pinned to midnight is the Moon culminating just outside the day, not in it.
    if (lo <= day.dayStart || hi >= day.dayEnd)
        return std::nullopt;
    const double top = altitude(mid);
    if (top > altitude(mid.plusSeconds(-kScanStep)) && top > altitude(mid.plusSeconds(kScanStep)))
        return mid;
    return std::nullopt;
}

// The framework answers the first event in the 24 hours centred on an anchor, so the noon anchor
// alone covers [dayStart, noon + 12 h) and yields the earliest event there. Another anchor can only
// propose an event that is in the day but outside that window (the last hour of a 25-hour day);
// skipping the others leaves the answer unchanged and saves their searches.
bool anchorCanAdd(Instant anchor, const LocalDayFrame &day) {
    if (anchor == day.noon)
        return true;
    const Instant windowStart = std::max(anchor.plusSeconds(-43200.0), day.noon.plusSeconds(43200.0));
    const Instant windowEnd = std::min(anchor.plusSeconds(43200.0), day.dayEnd);
    return windowStart < windowEnd && day.dayStart <= windowStart;
}

std::optional<Instant> moonEvent(Instant date, double longitude, double latitude, const TimeZone &zone,
                                 MoonEvent which) {
    if (!detail::validPlace(longitude, latitude))
        return std::nullopt;
    const auto day = LocalDayFrame::containing(date, zone);
    if (!day)
        return std::nullopt;
    const aa::GeographicCoordinates place{-longitude, latitude, 0.0};

    std::array<Instant, 5> candidates{};
    std::size_t count = 0;
    for (double hours : {-24.0, -12.0, 0.0, 12.0, 24.0}) {
        const Instant anchor = day->noon.plusSeconds(hours * 3600.0);
        if (!anchorCanAdd(anchor, *day))
            continue;
        const aa::Moon moon{aa::JulianDay(anchor)};
        const aa::RiseTransitSetTimes times(moon, place);
        const auto event = which == MoonEvent::rise      ? times.riseTime()
                           : which == MoonEvent::transit ? times.transitTime()
                                                         : times.setTime();
        if (!event)
            continue;
        const Instant e = event->date();
        if (day->dayStart <= e && e < day->dayEnd)
            candidates[count++] = e;
    }
    if (count == 0) {
        const auto found = which == MoonEvent::transit ? fallbackTransit(*day, place)
                                                       : fallbackRiseSet(*day, place, which == MoonEvent::rise);
        if (!found)
            return std::nullopt;
        candidates[count++] = *found;
    }
    return *std::min_element(candidates.begin(), candidates.begin() + count);
}

} // namespace

std::optional<Instant> AstroInterface::getMoonRiseTime(Instant date, double longitude, double latitude,
                                                       const TimeZone &timezone) {
    return moonEvent(date, longitude, latitude, timezone, MoonEvent::rise);
}

std::optional<Instant> AstroInterface::getMoonSetTime(Instant date, double longitude, double latitude,
                                                      const TimeZone &timezone) {
    return moonEvent(date, longitude, latitude, timezone, MoonEvent::set);
}

std::optional<Instant> AstroInterface::getMoonTransitTime(Instant date, double longitude, double latitude,
                                                          const TimeZone &timezone) {
    return moonEvent(date, longitude, latitude, timezone, MoonEvent::transit);
}

} // namespace lunafold
