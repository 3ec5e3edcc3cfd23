// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

namespace lunafold::testing {

/// A UT instant from a Gregorian civil date and time.
inline Instant utc(int y, int mo, int d, int h = 0, int mi = 0, double s = 0) {
    y -= mo <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const double days = era * 146097.0 + doe - 719468.0;
    return Instant::trusted(days * 86400.0 + h * 3600.0 + mi * 60.0 + s);
}

} // namespace lunafold::testing
