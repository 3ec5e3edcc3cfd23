// SPDX-License-Identifier: MIT
// The typed place and phase: what must not compile, and that the typed calls answer as the
// facade does for the same place.
#include "astronomy/AstroInterface.h"
#include "astronomy/GeoPoint.h"
#include "astronomy/Sky.h"

#include <gtest/gtest.h>

#include <type_traits>

using namespace lunafold;

// A swapped or untyped pair is a compile error, not a wrong answer.
static_assert(!std::is_constructible_v<GeoPoint, double, double>);
static_assert(!std::is_constructible_v<GeoPoint, Latitude, Longitude>);
static_assert(!std::is_constructible_v<GeoPoint, Longitude, Longitude>);
static_assert(!std::is_convertible_v<double, Latitude> && !std::is_convertible_v<double, Longitude>);
static_assert(!std::is_convertible_v<Latitude, Longitude> && !std::is_convertible_v<Longitude, Latitude>);
static_assert(std::is_constructible_v<GeoPoint, Longitude, Latitude>);
static_assert(followingPhase(PrincipalPhase::LastQuarter) == PrincipalPhase::NewMoon);

namespace {

Instant at(double unixSeconds) {
    return Instant::trusted(unixSeconds);
}

struct Place {
    const char *name;
    double longitude, latitude;
    const char *zone;
};

// East and south, west and north, the two numbers far apart in both.
constexpr Place kPlaces[] = {
    {"Sydney", 151.2093, -33.8688, "Australia/Sydney"},
    {"Anchorage", -149.9003, 61.2181, "America/Anchorage"},
};

} // namespace

TEST(PlaceTypes, SkyAnswersAsTheFacadeForTheSamePlace) {
    using A = AstroInterface;
    for (const Place &p : kPlaces) {
        SCOPED_TRACE(p.name);
        const GeoPoint point{Longitude(p.longitude), Latitude(p.latitude)};
        const TimeZone zone = *TimeZone::named(p.zone);
        const double lon = p.longitude, lat = p.latitude;
        for (const double seconds : {1713657600.0, 1735689600.0, 1750000000.0}) {
            const Instant t = at(seconds);
            EXPECT_EQ(Sky::moonAltitude(t, point), A::getMoonAltitude(t, lon, lat));
            EXPECT_EQ(Sky::moonAzimuth(t, point), A::getMoonAzimuth(t, lon, lat));
            EXPECT_EQ(Sky::moonParallacticAngleInRadians(t, point),
                      A::getMoonParallacticAngleInRadians(t, lon, lat));
            EXPECT_EQ(Sky::moonRise(t, point, zone), A::getMoonRiseTime(t, lon, lat, zone));
            EXPECT_EQ(Sky::moonSet(t, point, zone), A::getMoonSetTime(t, lon, lat, zone));
            EXPECT_EQ(Sky::moonTransit(t, point, zone), A::getMoonTransitTime(t, lon, lat, zone));
            EXPECT_EQ(Sky::sunDayKind(t, point, zone), A::getSunDayKind(t, lon, lat, zone));
        }
    }
}

// The next phase is the earliest of the four, and the typed call finds the numbered phase.
TEST(PlaceTypes, NextPrincipalPhaseIsTheEarliestOfTheFour) {
    for (const double t : {1713657600.0, 1735689600.0, -2000000000.0, 4000000000.0}) {
        const auto [phase, when] = AstroInterface::nextPrincipalPhase(at(t));
        for (const PrincipalPhase p : kPrincipalPhases) {
            const Instant typed = AstroInterface::phaseInstant(at(t), p, true);
            EXPECT_EQ(typed, *AstroInterface::phaseInstant(at(t), phaseNumber(p), true));
            EXPECT_FALSE(typed < when);
            if (p == phase) {
                EXPECT_EQ(typed, when);
            }
        }
        // After a phase comes the following one.
        EXPECT_EQ(AstroInterface::nextPrincipalPhase(when.plusSeconds(60.0)).first, followingPhase(phase));
    }
}
