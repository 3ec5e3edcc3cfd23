// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QList>
#include <QString>

#include <optional>

namespace lunafold {

/// A place as the screens use it: degrees, north and east positive.
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

/// One label/value row of a screen section.
struct TextRow {
    QString label;
    QString value;
};

/// The texts of the Now and Rise & Set screens for an instant, shared by the screens and the CLI.
class ScreenTexts {
public:
    /// "Moon is 50.0000% of full." and, with a place, " and is up." / " and is down.".
    static QString moonRow(Instant now, const std::optional<GeoPoint> &place);
    /// The four "Rise & Set" rows: today's and tomorrow's moonrise and moonset in time order.
    static QList<TextRow> riseSetRows(Instant now, const GeoPoint &place, const TimeZone &zone);
    /// The two "Transit" rows, today and tomorrow.
    static QList<TextRow> transitRows(Instant now, const GeoPoint &place, const TimeZone &zone);
    /// The five "Other" rows: sign, distance, age, azimuth, altitude.
    static QList<TextRow> otherRows(Instant now, const GeoPoint &place);
};

} // namespace lunafold
