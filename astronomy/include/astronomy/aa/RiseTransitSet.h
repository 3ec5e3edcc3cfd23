// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

#include <optional>

namespace lunafold::aa {

class Moon;
class Sun;

/// Rise, upper transit and set of a body during the day around the body's Julian day — the 24
/// hours [JD − 12 h, JD + 12 h) — seen from a place: the first of each in that window.
///
/// Rise and set are the instants the geocentric apparent altitude of the centre equals the
/// rise/set altitude: by default the body's standard altitude (Moon: 0.7275 × horizontal parallax
/// − 0°34′; Sun: −0°50′). The transit is the instant the local hour angle is 0, whether or not the
/// body is above the horizon. Each is absent when it does not happen that day.
///
/// Method: the altitude is sampled every 20 minutes on positions interpolated (four-point
/// Lagrange) between exact positions 12 hours apart; extrema are located so that grazing rises and
/// sets are not missed; each root is then refined with the exact position at the event time
/// (Newton), so events carry the accuracy of the position theory: about a second for the Moon,
/// except where the Moon skims the horizon at high latitude. Results for a day and place are kept
/// per thread, so asking for rise, transit and set of the same window costs one search.
class RiseTransitSetTimes {
  public:
    /// @param riseSetAltitude degrees; std::nullopt for the body's standard altitude
    RiseTransitSetTimes(const Moon &body, const GeographicCoordinates &place,
                        std::optional<double> riseSetAltitude = std::nullopt);
    RiseTransitSetTimes(const Sun &body, const GeographicCoordinates &place,
                        std::optional<double> riseSetAltitude = std::nullopt);

    /// Julian days, UT.
    std::optional<JulianDay> riseTime() const { return m_rise; }
    std::optional<JulianDay> transitTime() const { return m_transit; }
    std::optional<JulianDay> setTime() const { return m_set; }

  private:
    std::optional<JulianDay> m_rise, m_transit, m_set;
    friend struct RiseTransitSetAccess;
};

} // namespace lunafold::aa
