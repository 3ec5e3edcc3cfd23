// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

namespace lunafold::aa {

struct MoonTrackPoint {
    double altitude;  ///< degrees, geocentric
    double hourAngle; ///< radians, (−π, π]
};

/// The Moon's geocentric altitude and hour angle at a UT Julian day, from the half-day positions
/// the rise/set search interpolates: a few hundred times cheaper than the exact position and
/// within 0.002° of it (0.0007° seen), so it can rule out what an exact scan would find.
MoonTrackPoint interpolatedMoonTrack(double jdUt, const GeographicCoordinates &place);

} // namespace lunafold::aa
