// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

#include <optional>

namespace lunafold::aa {

/// The Moon at a UT Julian day (Delta T is applied inside).
///
/// Positions: ELP-2000/82 as truncated by Meeus (eraMoon98), geocentric, rotated to the true
/// equator and equinox of date (IAU 2006 precession, IAU 2000B nutation). Light time (0.7″) is
/// neglected. Accuracy of the series: a few arcseconds RMS, worst case about 20″ in longitude.
/// Positions are computed on first use, so a Moon built only for a phase query costs nothing.
class Moon {
  public:
    /// @param jdUt          Julian day, UT
    /// @param highPrecision kept for the call sites' sake; there is one theory
    explicit Moon(JulianDay jdUt, bool highPrecision = true);

    JulianDay julianDay() const { return m_jd; }

    /// Apparent geocentric equatorial coordinates of date.
    EquatorialCoordinates equatorialCoordinates() const;
    /// Apparent geocentric ecliptic coordinates of date (nutation included), degrees.
    EclipticCoordinates eclipticCoordinates() const;
    /// Earth–Moon (centre to centre) distance, km.
    double distance() const;
    /// Equatorial horizontal parallax, degrees.
    double horizontalParallax() const;
    /// Geocentric altitude of the centre at rise and set: 0.7275 × parallax − 0°34′, degrees.
    double standardAltitude() const;
    /// Position angle of the bright limb, degrees in [0, 360), from north through east.
    /// @see Meeus, ch. 48, eq. 48.5.
    double brightLimbPositionAngle() const;

    /// Instant of a principal phase after (forward) or before (backward) this Moon's instant.
    /// @param phase   0 new moon, 1 first quarter, 2 full moon, 3 last quarter
    /// @param forward true: the first phase strictly after; false: the last one at or before
    /// @param mean    true: the mean phase instead of the true one
    /// @return        Julian day, UT
    /// @note True phases: Meeus ch. 49, fitted to ELP-2000/82 (a few seconds), converted from TT to UT.
    JulianDay phaseInstant(int phase, bool forward, bool mean = false) const;

  private:
    struct State {
        double ra, dec;      // radians, true of date
        double lambda, beta; // radians, apparent ecliptic of date
        double distanceKm;
    };
    const State &state() const;

    JulianDay m_jd;
    mutable std::optional<State> m_state;
};

/// The Moon's geocentric ecliptic longitude on the mean ecliptic and equinox of date (no nutation),
/// degrees in [0, 360). @param jdUt Julian day, UT.
double moonEclipticLongitude(JulianDay jdUt);

} // namespace lunafold::aa
