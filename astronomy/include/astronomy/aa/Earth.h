// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/JulianDay.h"

namespace lunafold::aa {

enum class Equinox { northwardSpring, southwardSpring };
enum class Solstice { northernSummer, southernSummer };

/// The Earth at a UT Julian day; answers the seasons of that day's (UT, Gregorian) year.
class Earth {
  public:
    explicit Earth(JulianDay jdUt, bool highPrecision = true);

    /// Instant the Sun's apparent geocentric longitude is 0° (northward) or 180° (southward).
    /// @return Julian day, UT.
    JulianDay equinox(Equinox kind) const;
    /// Instant the Sun's apparent geocentric longitude is 90° (northern) or 270° (southern).
    /// @return Julian day, UT.
    JulianDay solstice(Solstice kind) const;

  private:
    JulianDay season(int quarter) const;
    JulianDay m_jd;
    bool m_highPrecision;
};

} // namespace lunafold::aa
