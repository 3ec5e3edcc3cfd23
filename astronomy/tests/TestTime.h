// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/CivilDate.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <map>
#include <string>

namespace lunafold::testing {

/// A UT instant from a Gregorian civil date and time.
inline Instant utc(int y, int mo, int d, int h = 0, int mi = 0, double s = 0) {
    return Instant::trusted(static_cast<double>(daysFromCivil(y, mo, d)) * 86400.0 + h * 3600.0 + mi * 60.0 +
                            s);
}

/// A zone the test knows to exist, looked up once.
inline const TimeZone &zone(const std::string &name) {
    static std::map<std::string, TimeZone> zones;
    auto it = zones.find(name);
    if (it == zones.end())
        it = zones.emplace(name, *TimeZone::named(name)).first;
    return it->second;
}

} // namespace lunafold::testing
