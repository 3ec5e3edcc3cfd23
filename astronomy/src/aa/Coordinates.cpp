// SPDX-License-Identifier: MIT
#include "astronomy/aa/Coordinates.h"

#include "FrameOfDate.h"
#include "Horizon.h"

#include <erfa.h>
#include <erfam.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace lunafold::aa {
namespace {

double localHourAngleRadians(const EquatorialCoordinates &c, const GeographicCoordinates &place,
                             JulianDay jd) {
    const double last = jd.apparentSiderealTime() * 15.0 - place.westLongitude;
    return wrapPiRadians((last - c.rightAscension * 15.0) * kDegToRad);
}

} // namespace

double EquatorialCoordinates::hourAngle(const GeographicCoordinates &place, JulianDay jdUt) const {
    return localHourAngleRadians(*this, place, jdUt) * kRadToDeg;
}

HorizontalCoordinates EquatorialCoordinates::makeHorizontalCoordinates(const GeographicCoordinates &place,
                                                                       JulianDay jdUt) const {
    const double h = localHourAngleRadians(*this, place, jdUt);
    const double dec = declination * kDegToRad, phi = place.latitude * kDegToRad;
    double azNorth, alt;
    eraHd2ae(h, dec, phi, &azNorth, &alt);
    HorizontalCoordinates out;
    out.azimuth = normalizeDegrees(azNorth * kRadToDeg - 180.0);
    out.altitude = alt * kRadToDeg;
    return out;
}

double altitudeDegrees(const EquatorialCoordinates &c, const GeographicCoordinates &place, JulianDay jdUt) {
    // eraHd2ae's elevation, step for step.
    // Keyed on the bits, so −0° keeps its own (signed) sine.
    thread_local std::uint64_t latitudeBits = std::bit_cast<std::uint64_t>(std::nan(""));
    thread_local double sp = std::nan(""), cp = std::nan("");
    if (const auto bits = std::bit_cast<std::uint64_t>(place.latitude); bits != latitudeBits) {
        const double phi = place.latitude * kDegToRad;
        sp = std::sin(phi);
        cp = std::cos(phi);
        latitudeBits = bits;
    }
    const double h = localHourAngleRadians(c, place, jdUt);
    const double dec = c.declination * kDegToRad;
    const double sh = std::sin(h), ch = std::cos(h), sd = std::sin(dec), cd = std::cos(dec);
    const double x = -ch * cd * sp + sd * cp;
    const double y = -sh * cd;
    const double z = ch * cd * cp + sd * sp;
    const double r = std::sqrt(x * x + y * y);
    return std::atan2(z, r) * kRadToDeg;
}

double parallacticAngle(const EquatorialCoordinates &coords, const GeographicCoordinates &place,
                        JulianDay jdUt) {
    const double h = coords.hourAngle(place, jdUt) * kDegToRad;
    return eraHd2pa(h, coords.declination * kDegToRad, place.latitude * kDegToRad) * kRadToDeg;
}

} // namespace lunafold::aa
