// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

namespace lunafold {

/// Where a time zone's clocks are set: the principal location the system zone database gives for
/// it (zone1970.tab, else zone.tab). A place from the first second, before any fix.
struct ApproximatePlace {
    double latitude = 0, longitude = 0; ///< degrees, north and east positive
    QString zone;                       ///< the IANA identifier looked up
    QString name;                       ///< the city in the zone's name, "New York" for America/New_York

    /// std::nullopt for zones the tables do not list (UTC, Etc/GMT+5) or when they cannot be read.
    static std::optional<ApproximatePlace> forZone(const QString &zone,
                                                   const QString &zoneInfoDir = defaultDirectory());
    /// $TZDIR, else /usr/share/zoneinfo.
    static QString defaultDirectory();
    /// Parses ISO 6709 "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS"; std::nullopt when malformed.
    static std::optional<std::pair<double, double>> parseCoordinates(QStringView text);
};

} // namespace lunafold
