// SPDX-License-Identifier: MIT
#include "ReferenceData.h"
#include "TestTime.h"
#include "astronomy/AstroInterface.h"
#include "astronomy/aa/DeltaT.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/Sun.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lunafold;
using namespace lunafold::testing;

namespace {

// A UT Julian day whose TT is the given JDE, for Meeus' examples (which are in TD).
aa::JulianDay utFromTd(double jde) {
    return aa::JulianDay(aa::ttToUt(jde));
}

double angleDiff(double a, double b) {
    return std::remainder(a - b, 360.0);
}

double remainderAt(Instant t) {
    return std::fmod(aa::moonEclipticLongitude(aa::JulianDay(t)), 30.0);
}

// The crossing instant, to a millisecond, by bisection on the longitude.
Instant crossingAfter(Instant t) {
    Instant lo = AstroInterface::seekNextSignTime(t), hi = lo.plusSeconds(20);
    while (hi.secondsSince(lo) > 1e-3) {
        const Instant mid = lo.plusSeconds(hi.secondsSince(lo) / 2);
        (remainderAt(mid) > 15.0 ? lo : hi) = mid;
    }
    return hi;
}

} // namespace

// Meeus examples 47.a (1992-04-12 0h TD) and 48.a: the truncated ELP series; ERFA's version of
// the series differs from the book's by well under 0.001°.
TEST(MoonFramework, MeeusExamplePosition) {
    const aa::Moon moon(utFromTd(2448724.5));
    EXPECT_NEAR(angleDiff(moon.eclipticCoordinates().longitude, 133.167265), 0.0, 0.001);
    EXPECT_NEAR(moon.eclipticCoordinates().latitude, -3.229126, 0.001);
    EXPECT_NEAR(moon.distance(), 368409.7, 2.0);
    EXPECT_NEAR(moon.horizontalParallax(), 0.991990, 0.0001);
    EXPECT_NEAR(moon.brightLimbPositionAngle(), 285.0, 0.2);
    EXPECT_NEAR(angleDiff(aa::moonEclipticLongitude(utFromTd(2448724.5)), 133.162655), 0.0, 0.001);
}

// Meeus examples 25.a (low accuracy) and 25.b (full VSOP87): the Sun on 1992-10-13 0h TD.
TEST(SunFramework, MeeusExamples) {
    const aa::Sun coarse(utFromTd(2448908.5), false);
    EXPECT_NEAR(coarse.apparentEclipticLongitude(), 199.90895, 0.0001);
    EXPECT_NEAR(coarse.geometricEclipticLongitude(), 199.90988, 0.0001);
    EXPECT_NEAR(coarse.equatorialCoordinates().rightAscension * 15.0, 198.38083, 0.0001);
    EXPECT_NEAR(coarse.equatorialCoordinates().declination, -7.78507, 0.0001);
    EXPECT_NEAR(coarse.radiusVector(), 0.99766, 0.00001);
    const aa::Sun precise(utFromTd(2448908.5), true);
    EXPECT_NEAR(precise.apparentEclipticLongitude(), 199.906060, 0.0003); // 1″
    EXPECT_NEAR(precise.equatorialCoordinates().rightAscension * 15.0, 198.378121, 0.0003);
    EXPECT_NEAR(precise.equatorialCoordinates().declination, -7.783817, 0.0003);
}

// A day of positions around one centre shares an interval of the Earth's series; each agrees with
// the Sun asked for at its own instant to the interpolation's error (0.02″ each), on whichever
// side of the intervals' 0h TT boundaries the centre and the instant fall.
TEST(SunFramework, PositionsAroundASpanCentreAgreeWithSingleOnes) {
    constexpr double kTolerance = 0.05 / 3600.0;
    for (int i = 0; i < 80; ++i) {
        const aa::JulianDay centre(2451545.0 + i * 9.13);
        for (double offset : {-0.5, -0.2, 0.0, 0.35, 0.5}) {
            const aa::JulianDay jd(centre.value() + offset);
            const auto spanned = aa::Sun(jd, centre).equatorialCoordinates();
            const auto single = aa::Sun(jd, true).equatorialCoordinates();
            const double cosDec = std::cos(single.declination * 3.14159265358979 / 180.0);
            EXPECT_NEAR(angleDiff(spanned.rightAscension * 15.0, single.rightAscension * 15.0) * cosDec, 0.0,
                        kTolerance);
            EXPECT_NEAR(spanned.declination, single.declination, kTolerance);
        }
    }
}

// 400 instants 1901–2099 against the reference ephemeris (astronomy-engine): the truncated
// lunar series is good to about 10″ (0.003°); its distance to a few tens of km.
TEST(MoonState, AgreesWithReferenceOverTwoCenturies) {
    const auto rows = readCsv("moon_states.csv");
    ASSERT_EQ(rows.size(), 400u);
    ErrorStats lon, alt;
    for (const Row &r : rows) {
        const Instant t = unixAt(r[0]);
        const double lat = std::stod(r[1]), lonE = std::stod(r[2]);
        lon.add(angleDiff(AstroInterface::getMoonLongitude(t), std::stod(r[11])));
        EXPECT_NEAR(AstroInterface::getMoonDistanceKm(t), std::stod(r[5]),
                    30.0); // the series truncation: tens of km
        alt.add(*AstroInterface::getMoonAltitude(t, lonE, lat) - std::stod(r[8]));
        const double azimuth = *AstroInterface::getMoonAzimuth(t, lonE, lat); // from north, in [0, 360)
        EXPECT_TRUE(azimuth >= 0.0 && azimuth < 360.0) << azimuth;
        if (std::abs(std::stod(r[8])) < 85.0) {
            EXPECT_NEAR(angleDiff(azimuth, std::stod(r[9])), 0.0, 0.02);
        }
        // The fraction from longitudes alone differs from the true phase angle by up to ~0.01
        // (the Moon's latitude), never more.
        EXPECT_NEAR(AstroInterface::getMoonFraction(t), std::stod(r[10]), 0.012);
    }
    EXPECT_LE(lon.percentile(99), 0.006);
    EXPECT_LE(alt.percentile(99), 0.006);
}

TEST(MoonState, FractionWaningAndAgeAroundALunation) {
    const Instant newMoon = AstroInterface::getNewMoonNext(utc(2024, 4, 1));
    const Instant full = AstroInterface::getFullMoonNext(newMoon);
    EXPECT_LT(AstroInterface::getMoonFraction(newMoon), 0.001);
    EXPECT_GT(AstroInterface::getMoonFraction(full), 0.995);
    EXPECT_FALSE(AstroInterface::isWaning(newMoon.plusSeconds(3600)));
    EXPECT_FALSE(AstroInterface::isWaning(full.plusSeconds(-3600)));
    EXPECT_TRUE(AstroInterface::isWaning(full.plusSeconds(3600)));
    EXPECT_TRUE(AstroInterface::isWaning(newMoon.plusSeconds(-3600)));
    EXPECT_NEAR(AstroInterface::getMoonAgeInDays(newMoon.plusSeconds(600)), 600 / 86400.0, 1e-6);
    const Instant nextNew = AstroInterface::getNewMoonNext(newMoon);
    EXPECT_NEAR(AstroInterface::getMoonAgeInDays(nextNew.plusSeconds(-60)), 29.5, 0.35);
}

TEST(MoonState, SmallUtilities) {
    EXPECT_DOUBLE_EQ(AstroInterface::adjustLongitude(170, 20), -170);
    EXPECT_DOUBLE_EQ(AstroInterface::adjustLongitude(-170, -20), 170);
    EXPECT_DOUBLE_EQ(AstroInterface::adjustLongitude(180, 0), 180);
    EXPECT_DOUBLE_EQ(AstroInterface::calculateAntipodalLongtitude(180), 360);
    EXPECT_DOUBLE_EQ(AstroInterface::calculateAntipodalLongtitude(-180), 0);
    const Instant t = utc(2024, 1, 1);
    EXPECT_TRUE(AstroInterface::areDatesWithinToleranceSeconds(t, t.plusSeconds(5), 5));
    EXPECT_FALSE(AstroInterface::areDatesWithinToleranceSeconds(t, t.plusSeconds(5.001), 5));
}

TEST(MoonState, PlacesAreValidated) {
    const Instant t = utc(2024, 1, 1);
    EXPECT_FALSE(AstroInterface::getMoonAltitude(t, 0, 90.5));
    EXPECT_FALSE(AstroInterface::getMoonAzimuth(t, std::nan(""), 10));
    EXPECT_FALSE(AstroInterface::getMoonParallacticAngleInRadians(t, 0, -91));
    // Seen from the pole the altitude is the declination.
    const aa::Moon moon{aa::JulianDay(t)};
    EXPECT_NEAR(*AstroInterface::getMoonAltitude(t, 0, 90), moon.equatorialCoordinates().declination, 1e-9);
}

TEST(SignSeek, LandsJustBeforeTheCrossing) {
    for (Instant start : {utc(1901, 3, 1), utc(1987, 6, 15, 7), utc(2024, 4, 8, 18, 21), utc(2099, 12, 1)}) {
        const Instant found = AstroInterface::seekNextSignTime(start);
        EXPECT_GE(found, start);
        EXPECT_LT(found.secondsSince(start), 3.0 * 86400);
        // Still the old sign, at most one finest step (8.64 s) before the new one begins.
        EXPECT_GT(remainderAt(found), 29.99);
        EXPECT_LT(remainderAt(found.plusSeconds(8.64)), 0.01);
    }
}

TEST(SignSeek, StartingOnOrJustBeforeABoundary) {
    const Instant crossing = crossingAfter(utc(2024, 5, 1));
    // Exactly on it (remainder ~0): the next boundary, two to two and a half days on.
    const Instant onIt = AstroInterface::seekNextSignTime(crossing);
    EXPECT_GT(onIt.secondsSince(crossing), 2.0 * 86400);
    EXPECT_LT(onIt.secondsSince(crossing), 2.7 * 86400);
    // A few seconds before it: the start instant itself (or within one finest step of it).
    const Instant before = crossing.plusSeconds(-5);
    const Instant found = AstroInterface::seekNextSignTime(before);
    EXPECT_GE(found, before);
    EXPECT_LE(found.secondsSince(before), 8.64);
}
