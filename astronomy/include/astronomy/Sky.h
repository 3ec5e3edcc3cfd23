// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/AstroInterface.h"
#include "astronomy/GeoPoint.h"

namespace lunafold {

/// AstroInterface's place-taking operations for a GeoPoint, so that a latitude given for a
/// longitude cannot compile. Same units, answers and std::nullopt cases as AstroInterface.
struct Sky {
    /// Geocentric altitude of the Moon's centre, degrees, no refraction.
    static std::optional<double> moonAltitude(Instant date, const GeoPoint &place) {
        return AstroInterface::getMoonAltitude(date, place.longitude(), place.latitude());
    }
    /// Azimuth of the Moon, degrees from north through east, [0, 360).
    static std::optional<double> moonAzimuth(Instant date, const GeoPoint &place) {
        return AstroInterface::getMoonAzimuth(date, place.longitude(), place.latitude());
    }
    static std::optional<double> moonParallacticAngleInRadians(Instant date, const GeoPoint &place) {
        return AstroInterface::getMoonParallacticAngleInRadians(date, place.longitude(), place.latitude());
    }
    /// Moonrise, moonset and transit in the local day of @p zone containing @p date.
    static std::optional<Instant> moonRise(Instant date, const GeoPoint &place, const TimeZone &zone) {
        return AstroInterface::getMoonRiseTime(date, place.longitude(), place.latitude(), zone);
    }
    static std::optional<Instant> moonSet(Instant date, const GeoPoint &place, const TimeZone &zone) {
        return AstroInterface::getMoonSetTime(date, place.longitude(), place.latitude(), zone);
    }
    static std::optional<Instant> moonTransit(Instant date, const GeoPoint &place, const TimeZone &zone) {
        return AstroInterface::getMoonTransitTime(date, place.longitude(), place.latitude(), zone);
    }
    static std::optional<SunDayKind> sunDayKind(Instant date, const GeoPoint &place, const TimeZone &zone) {
        return AstroInterface::getSunDayKind(date, place.longitude(), place.latitude(), zone);
    }
};

} // namespace lunafold
