// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/JulianDay.h"

namespace lunafold::aa {

/// A place on the Earth. Longitude positive WEST of Greenwich (the astronomical convention),
/// latitude positive north, both in degrees; altitude in metres above sea level.
struct GeographicCoordinates {
    double westLongitude = 0.0;
    double latitude = 0.0;
    double altitude = 0.0;
};

/// Local horizontal coordinates, degrees. Azimuth measured from the SOUTH, positive westward
/// (so west is 90°); altitude of the centre above the horizon, no refraction.
struct HorizontalCoordinates {
    double azimuth = 0.0;
    double altitude = 0.0;
};

/// Ecliptic coordinates of date, degrees.
struct EclipticCoordinates {
    double longitude = 0.0; ///< [0, 360)
    double latitude = 0.0;
};

/// Equatorial coordinates of date (true equator and equinox).
struct EquatorialCoordinates {
    double rightAscension = 0.0; ///< hours, [0, 24)
    double declination = 0.0;    ///< degrees

    /// Horizontal coordinates seen from @p place at @p jdUt (local apparent sidereal time).
    HorizontalCoordinates makeHorizontalCoordinates(const GeographicCoordinates &place, JulianDay jdUt) const;
    /// Local hour angle, degrees in (−180, 180].
    double hourAngle(const GeographicCoordinates &place, JulianDay jdUt) const;
};

/// Parallactic angle of a body at @p coords seen from @p place at @p jdUt, degrees in (−180, 180].
/// @see Meeus, Astronomical Algorithms, 2nd ed., eq. 14.1. Calls: eraHd2pa.
double parallacticAngle(const EquatorialCoordinates &coords, const GeographicCoordinates &place,
                        JulianDay jdUt);

} // namespace lunafold::aa
