// SPDX-License-Identifier: MIT
// The Moon at one instant. Julian days are UT; the framework applies Delta T.
#include "astronomy/AstroInterface.h"

#include "Bisection.h"
#include "astronomy/aa/Coordinates.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/Sun.h"

#include <cmath>

namespace lunafold {
namespace {

constexpr double kDegToRad = 0.017453292519943295;

aa::GeographicCoordinates place(double longitude, double latitude) {
    return {-longitude, latitude, 0.0};
}

aa::HorizontalCoordinates moonHorizontal(Instant date, double longitude, double latitude) {
    const aa::JulianDay jd(date);
    return aa::Moon(jd).equatorialCoordinates().makeHorizontalCoordinates(place(longitude, latitude), jd);
}

} // namespace

double AstroInterface::getMoonFraction(Instant date) {
    const aa::JulianDay jd(date);
    const double moon = aa::moonEclipticLongitude(jd);
    const double sun = aa::sunGeometricEclipticLongitude(jd, false);
    return (1.0 - std::cos((moon - sun) * kDegToRad)) * 0.5;
}

bool AstroInterface::isWaning(Instant date) {
    const aa::JulianDay jd(date);
    const aa::JulianDay full = aa::Moon(jd).phaseInstant(2, true);
    const aa::JulianDay newMoon = aa::Moon(jd).phaseInstant(0, true);
    return newMoon < full;
}

double AstroInterface::getMoonAgeInDays(Instant date) {
    const aa::JulianDay previous = aa::Moon(aa::JulianDay(date)).phaseInstant(0, false);
    return date.secondsSince(previous.date()) / 86400.0;
}

double AstroInterface::getMoonLongitude(Instant date) {
    return aa::moonEclipticLongitude(aa::JulianDay(date));
}

double AstroInterface::getMoonDistanceKm(Instant date) {
    return aa::Moon(aa::JulianDay(date)).distance();
}

std::optional<double> AstroInterface::getMoonAltitude(Instant date, double longitude, double latitude) {
    if (!detail::validPlace(longitude, latitude))
        return std::nullopt;
    return moonHorizontal(date, longitude, latitude).altitude;
}

std::optional<double> AstroInterface::getMoonAzimuth(Instant date, double longitude, double latitude) {
    if (!detail::validPlace(longitude, latitude))
        return std::nullopt;
    double a = std::fmod(moonHorizontal(date, longitude, latitude).azimuth + 180.0, 360.0);
    if (std::signbit(a))
        a += 360.0;
    return a;
}

std::optional<double> AstroInterface::getMoonParallacticAngleInRadians(Instant date, double longitude,
                                                                       double latitude) {
    if (!detail::validPlace(longitude, latitude))
        return std::nullopt;
    const aa::JulianDay jd(date);
    return aa::parallacticAngle(aa::Moon(jd).equatorialCoordinates(), place(longitude, latitude), jd) *
           kDegToRad;
}

double AstroInterface::getMoonPositionAngleInRadians(Instant date) {
    return aa::Moon(aa::JulianDay(date)).brightLimbPositionAngle() * kDegToRad;
}

double AstroInterface::degreesToRadians(double degrees) {
    return degrees * kDegToRad;
}

double AstroInterface::adjustLongitude(double longitude, double offset) {
    const double s = longitude + offset;
    if (s > 180.0)
        return s - 360.0;
    if (s < -180.0)
        return s + 360.0;
    return s;
}

double AstroInterface::calculateAntipodalLongtitude(double longitude) {
    const double s = longitude + 180.0;
    return s > 360.0 ? s - 360.0 : s;
}

bool AstroInterface::areDatesWithinToleranceSeconds(Instant firstDate, Instant secondDate, double tolerance) {
    return std::abs(firstDate.secondsSince(secondDate)) <= tolerance;
}

} // namespace lunafold
