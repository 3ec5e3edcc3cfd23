// SPDX-License-Identifier: MIT
#include "astronomy/aa/Coordinates.h"

#include "FrameOfDate.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {
namespace {

double localHourAngleRadians(const EquatorialCoordinates &c, const GeographicCoordinates &place, JulianDay jd) {
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

double parallacticAngle(const EquatorialCoordinates &coords, const GeographicCoordinates &place, JulianDay jdUt) {
    const double h = coords.hourAngle(place, jdUt) * kDegToRad;
    return eraHd2pa(h, coords.declination * kDegToRad, place.latitude * kDegToRad) * kRadToDeg;
}

} // namespace lunafold::aa
