// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/TimeZone.h"
#include "astronomy/aa/Coordinates.h"

#include <optional>

namespace lunafold::detail {

/// The first rise (or set) of the Moon's geocentric centre through +0.125° in the day: half-hour
/// samples from dayStart, then bisection to a second.
std::optional<Instant> moonRiseSetFallback(const LocalDayFrame &day, const aa::GeographicCoordinates &place,
                                           bool rise);

/// The Moon's culmination in the day: the highest half-hour sample narrowed by ternary search,
/// kept only when it is a true maximum inside the day.
std::optional<Instant> moonTransitFallback(const LocalDayFrame &day, const aa::GeographicCoordinates &place);

} // namespace lunafold::detail
