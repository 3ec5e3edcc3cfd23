// SPDX-License-Identifier: MIT
#include "core/viewmodels/ScreenPlace.h"

#include "core/services/Locator.h"
#include "core/text/UIHelper.h"

#include <cmath>

namespace lunafold {

ScreenPlace ScreenPlace::of(const Locator *locator) {
    if (!locator)
        return {TimeZone::current(), GeoPoint{}};
    return {locator->timezone(), locator->currentLocation().value_or(GeoPoint{})};
}

QDateTime toDateTime(Instant t) {
    return QDateTime::fromMSecsSinceEpoch(std::llround(t.unixSeconds() * 1000.0), Qt::UTC);
}

Instant toInstant(const QDateTime &dateTime) {
    return Instant::trusted(static_cast<double>(dateTime.toMSecsSinceEpoch()) / 1000.0);
}

} // namespace lunafold
