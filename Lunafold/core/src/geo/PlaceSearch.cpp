// SPDX-License-Identifier: MIT
#include "core/geo/PlaceSearch.h"

#include "core/geo/ReverseGeocoder.h"
#include "core/services/Locator.h"

namespace lunafold {

std::vector<PlaceSearchResult> searchPlaces(const ReverseGeocoder &geo, const QString &query, int limit,
                                            QStringView language) {
    const PlaceIndex &places = geo.places();
    std::vector<PlaceSearchResult> results;
    for (const int i : places.search(query, limit)) {
        PlaceSearchResult r;
        r.locality = places.name(i);
        r.adminArea = places.adminArea(i);
        r.country = places.countryName(places.country(i), language);
        r.latitude = places.latitude(i);
        r.longitude = places.longitude(i);
        r.timeZone = geo.zoneAt(GeoPoint{Longitude(r.longitude), Latitude(r.latitude)});
        r.placeText = Locator::placeText({r.locality, r.adminArea, r.country, r.timeZone});
        results.push_back(std::move(r));
    }
    return results;
}

} // namespace lunafold
