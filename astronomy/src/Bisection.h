// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <functional>

namespace lunafold::detail {

/// Narrows [lo, hi], which brackets a crossing of altitude(t) = target (degrees), to one second.
/// Shared by the moonrise fallback and the Sun's events.
Instant bisectCrossing(Instant lo, Instant hi, const std::function<double(Instant)> &altitude, double target);

bool validPlace(double longitude, double latitude);

} // namespace lunafold::detail
