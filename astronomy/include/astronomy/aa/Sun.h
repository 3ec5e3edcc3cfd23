// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

#include <optional>

namespace lunafold::aa {

/// The Sun at a UT Julian day (Delta T is applied inside).
///
/// High precision: the Earth's heliocentric position and barycentric velocity from eraEpv00
/// (VSOP2000-based, milliarcseconds; evaluated every two days and interpolated to 0.02″), annual
/// aberration, IAU 2006/2000B frame of date.
/// Low precision: Meeus' low-accuracy solar theory (ch. 25), 0.01° — cheap enough for dense sampling.
class Sun {
  public:
    Sun(JulianDay jdUt, bool highPrecision);
    /// High precision, with the Earth's series interpolated across the interval that suits a span
    /// of a day centred on @p earthSpanCentreUt, which then needs two evaluations of the series in
    /// all. Within a day of the centre it agrees with the other constructor to 0.02″.
    Sun(JulianDay jdUt, JulianDay earthSpanCentreUt);

    JulianDay julianDay() const { return m_jd; }
    bool highPrecision() const { return m_highPrecision; }

    /// Apparent geocentric equatorial coordinates of date.
    EquatorialCoordinates equatorialCoordinates() const;
    /// Apparent geocentric ecliptic longitude (aberration and nutation included), degrees [0, 360).
    double apparentEclipticLongitude() const;
    /// Geometric geocentric ecliptic longitude, mean ecliptic and equinox of date, degrees [0, 360).
    double geometricEclipticLongitude() const;
    /// Earth–Sun distance, au.
    double radiusVector() const;
    /// Horizontal coordinates of the Sun's centre seen from @p place (geocentric, no refraction).
    HorizontalCoordinates makeHorizontalCoordinates(const GeographicCoordinates &place) const;

  private:
    struct State {
        double ra, dec;         // radians, true of date
        double apparentLambda;  // radians
        double geometricLambda; // radians
        double radiusAu;
    };
    const State &state() const;
    State computePrecise() const;
    State computeCoarse() const;

    JulianDay m_jd, m_earthSpanCentre;
    bool m_highPrecision;
    mutable std::optional<State> m_state;
};

/// The Sun's geometric ecliptic longitude of date, degrees [0, 360). @param jdUt Julian day, UT.
double sunGeometricEclipticLongitude(JulianDay jdUt, bool highPrecision);

} // namespace lunafold::aa
