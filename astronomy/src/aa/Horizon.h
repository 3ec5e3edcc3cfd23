// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/aa/Coordinates.h"

namespace lunafold::aa {

/// The altitude (degrees) of makeHorizontalCoordinates alone, bit for bit: the searches sample
/// altitudes by the hundred and have no use for the azimuth, and the place's latitude terms are
/// kept from the previous call.
double altitudeDegrees(const EquatorialCoordinates &c, const GeographicCoordinates &place, JulianDay jdUt);

} // namespace lunafold::aa
