// SPDX-License-Identifier: MIT
#include "Bisection.h"

#include <cmath>

namespace lunafold::detail {

Instant bisectCrossing(Instant lo, Instant hi, const std::function<double(Instant)> &altitude,
                       double target) {
    double flo = altitude(lo) - target;
    for (int round = 0; round < 30; ++round) {
        const Instant mid = lo.plusSeconds(hi.secondsSince(lo) * 0.5);
        const double fm = altitude(mid) - target;
        if (hi.secondsSince(lo) <= 1.0)
            return mid;
        if ((flo > 0 && fm <= 0) || (flo < 0 && fm >= 0)) {
            hi = mid;
        } else {
            lo = mid;
            flo = fm;
        }
    }
    return lo;
}

bool validPlace(double longitude, double latitude) {
    return std::isfinite(longitude) && std::isfinite(latitude) && latitude >= -90.0 && latitude <= 90.0;
}

} // namespace lunafold::detail
