// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

namespace lunafold::aa {

/// The Moon's geocentric altitude (degrees) at a UT Julian day, from the half-day positions the
/// rise/set search interpolates: a few hundred times cheaper than the exact altitude and within
/// 0.001° of it, so it can rule out what an exact scan would find.
double interpolatedMoonAltitude(double jdUt, const GeographicCoordinates &place);

} // namespace lunafold::aa
