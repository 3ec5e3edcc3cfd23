// SPDX-License-Identifier: MIT
// Feeds the map's labels from the bundled places, which carry their populations.
#include "core/map/PlaceLabels.h"

#include "core/geo/PlaceIndex.h"

namespace lunafold {

std::vector<MapPlace> mapPlaces(const PlaceIndex &index) {
    std::vector<MapPlace> places;
    places.reserve(static_cast<std::size_t>(index.placeCount()));
    for (int i = 0; i < index.placeCount(); ++i) {
        PlaceIndex::Label label = index.label(i);
        places.push_back({GeoPoint{Longitude(label.longitude), Latitude(label.latitude)},
                          std::move(label.name), label.population});
    }
    return places;
}

} // namespace lunafold
