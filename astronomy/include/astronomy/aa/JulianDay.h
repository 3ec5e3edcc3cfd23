// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

namespace lunafold::aa {

/// A Julian day. Unless a name says TT, the value is a UT Julian day; the framework applies
/// Delta T itself wherever a dynamical time is needed.
class JulianDay {
  public:
    constexpr explicit JulianDay(double value) : m_value(value) {}
    constexpr explicit JulianDay(Instant instant) : m_value(instant.julianDay()) {}

    constexpr double value() const { return m_value; }
    constexpr Instant date() const { return Instant::trustedJulianDay(m_value); }

    /// The TT Julian day of this UT Julian day (adds Delta T).
    JulianDay UTCtoTT() const;

    /// Greenwich mean sidereal time (IAU 2006), hours in [0, 24).
    double meanSiderealTime() const;
    /// Greenwich apparent sidereal time (mean plus the equation of the equinoxes), hours in [0, 24).
    double apparentSiderealTime() const;
    /// Local mean sidereal time, hours in [0, 24).
    /// @param westLongitude degrees, positive west of Greenwich.
    double meanLocalSiderealTime(double westLongitude) const;

    friend constexpr auto operator<=>(JulianDay, JulianDay) = default;

  private:
    double m_value;
};

} // namespace lunafold::aa
