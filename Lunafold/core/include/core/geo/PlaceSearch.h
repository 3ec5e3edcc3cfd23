// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace lunafold {

class ReverseGeocoder;

/// A place found by name, with everything needed to make it the observer's place.
struct PlaceSearchResult {
    QString locality;
    std::optional<QString> adminArea;
    QString country;
    double latitude = 0, longitude = 0;
    QString timeZone;
    QString placeText; ///< as the Location tab would show it: "Locality, Area" or "Locality, Country"
};

/// Up to @p limit places for @p query, best first (see PlaceIndex::search); countries named in
/// @p language (English by default).
std::vector<PlaceSearchResult> searchPlaces(const ReverseGeocoder &geo, const QString &query, int limit,
                                            QStringView language = {});

} // namespace lunafold
