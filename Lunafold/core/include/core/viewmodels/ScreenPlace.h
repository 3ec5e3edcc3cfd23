// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QDateTime>

namespace lunafold {

class Locator;

/// Where the calendar screens compute: the Locator's zone and coordinate, or 0°, 0° when it has
/// none (and the place's zone as the texts see it when there is no Locator at all).
struct ScreenPlace {
    TimeZone zone;
    GeoPoint point;

    static ScreenPlace of(const Locator *locator);
};

/// QML sees instants as dates; both ways keep milliseconds.
QDateTime toDateTime(Instant t);
Instant toInstant(const QDateTime &dateTime);

} // namespace lunafold
