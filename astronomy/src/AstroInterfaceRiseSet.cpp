// SPDX-License-Identifier: MIT
// Moonrise, transit and moonset inside one local day: the framework's events from five anchors
// around local noon, with the day's own altitude scan as the fallback.
#include "astronomy/AstroInterface.h"

#include "Bisection.h"
#include "MoonDayFallback.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/RiseTransitSet.h"

#include <algorithm>
#include <array>

namespace lunafold {
namespace {

enum class MoonEvent { rise, transit, set };

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
        const auto found = which == MoonEvent::transit
                               ? detail::moonTransitFallback(*day, place)
                               : detail::moonRiseSetFallback(*day, place, which == MoonEvent::rise);
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
