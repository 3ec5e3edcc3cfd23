// SPDX-License-Identifier: MIT
#include "PlaceLabels.h"

#include "MapCamera.h"
#include "ReverseGeocoder.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace lunafold {

const PlaceLabels &PlaceLabels::shared() {
    static const PlaceLabels labels(loadMapPlaces(ReverseGeocoder::defaultDirectory()));
    return labels;
}

PlaceLabels::PlaceLabels(std::vector<MapPlace> places) {
    std::erase_if(places, [](const MapPlace &p) {
        return p.name.trimmed().isEmpty() || !std::isfinite(p.coordinate.latitude) ||
               !std::isfinite(p.coordinate.longitude) || std::abs(p.coordinate.latitude) > WebMercator::kMaxLatitude;
    });
    // Most populous first; the name breaks ties so that the result never depends on the input's order.
    std::stable_sort(places.begin(), places.end(), [](const MapPlace &a, const MapPlace &b) {
        return a.population != b.population ? a.population > b.population : a.name < b.name;
    });

    // A place claims its cell at its first free level and at every level below it (smaller cells
    // inside the claimed one), so a cell free at one level is free at all finer ones.
    std::unordered_set<quint64> claimed;
    claimed.reserve(places.size() * 4);
    m_labels.reserve(places.size());
    auto cellOf = [](const QPointF &world, int zoom) {
        const double cells = MapCamera::kTileSize / kCellPoints * std::exp2(zoom);
        const auto column = static_cast<quint64>(std::min(cells - 1, std::floor(world.x() * cells)));
        const auto row = static_cast<quint64>(std::min(cells - 1, std::floor(world.y() * cells)));
        return quint64(zoom) << 58 | row << 29 | column;
    };
    for (const MapPlace &place : places) {
        const QPointF world = WebMercator::project(place.coordinate);
        int minZoom = kLastZoom;
        for (int zoom = 0; zoom <= kLastZoom; ++zoom) {
            if (claimed.count(cellOf(world, zoom)))
                continue;
            minZoom = zoom;
            for (int finer = zoom; finer <= kLastZoom; ++finer)
                claimed.insert(cellOf(world, finer));
            break;
        }
        m_labels.push_back({world, place.name, place.population, minZoom});
    }
    std::stable_sort(m_labels.begin(), m_labels.end(),
                     [](const Label &a, const Label &b) { return a.minZoom < b.minZoom; });
    m_shownCount.assign(kLastZoom + 1, 0);
    for (const Label &label : m_labels)
        for (int zoom = label.minZoom; zoom <= kLastZoom; ++zoom)
            ++m_shownCount[static_cast<std::size_t>(zoom)];
}

std::size_t PlaceLabels::shownCount(double zoom) const {
    if (!std::isfinite(zoom))
        return 0;
    const long level = std::lround(std::clamp(zoom, -1.0, double(kLastZoom)));
    return level < 0 ? 0 : m_shownCount[static_cast<std::size_t>(level)];
}

int PlaceLabels::countIn(const QRectF &world, double zoom) const {
    int count = 0;
    visit(world, zoom, [&](const Label &, double) { return ++count, true; });
    return count;
}

double PlaceLabels::zoomNaming(const GeoCoordinate &centre, const QSizeF &viewport, int count,
                               double maxZoom) const {
    for (double zoom = maxZoom; zoom >= 0.0; zoom -= 0.25) {
        const MapCamera camera(viewport, centre, zoom);
        if (countIn(camera.visibleWorld(), camera.zoom()) >= count)
            return std::min(maxZoom, camera.zoom());
        if (camera.zoom() > zoom) // held at the lowest zoom: zooming out shows no more
            break;
    }
    return maxZoom;
}

} // namespace lunafold
