// SPDX-License-Identifier: MIT
#include "core/map/PlaceLabels.h"

#include "core/geo/ReverseGeocoder.h"
#include "core/map/MapCamera.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lunafold {

PlaceLabels::PlaceLabels(std::vector<MapPlace> places) {
    std::erase_if(places, [](const MapPlace &p) {
        return p.name.trimmed().isEmpty() || !std::isfinite(p.coordinate.latitude()) ||
               !std::isfinite(p.coordinate.longitude()) ||
               std::abs(p.coordinate.latitude()) > WebMercator::kMaxLatitude;
    });
    // Most populous first; the name breaks ties so that the result never depends on the input's order.
    std::stable_sort(places.begin(), places.end(), [](const MapPlace &a, const MapPlace &b) {
        return a.population != b.population ? a.population > b.population : a.name < b.name;
    });

    // A place is named from the first level at which it is the most important of its cell. Cells
    // nest, so a cell at one level is a range of a Z-order curve through the finest level's
    // cells: one sort, then one pass per level over runs of equal prefixes.
    constexpr int kFinestBits = kLastZoom + 2; // 4 cells per side at zoom 0
    const double finest = std::exp2(kFinestBits);
    auto spread = [](quint64 v) { // the bits of v at the even positions
        quint64 out = 0;
        for (int bit = 0; bit < kFinestBits; ++bit)
            out |= ((v >> bit) & 1u) << (2 * bit);
        return out;
    };
    const std::size_t count = places.size();
    std::vector<QPointF> worlds(count);
    std::vector<quint64> codes(count);
    for (std::size_t i = 0; i < count; ++i) {
        worlds[i] = WebMercator::project(places[i].coordinate);
        const auto column = static_cast<quint64>(std::min(finest - 1, std::floor(worlds[i].x() * finest)));
        const auto row = static_cast<quint64>(std::min(finest - 1, std::floor(worlds[i].y() * finest)));
        codes[i] = spread(column) | spread(row) << 1;
    }
    std::vector<std::uint32_t> order(count); // by cell, then importance
    for (std::size_t i = 0; i < count; ++i)
        order[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return codes[a] < codes[b]; });
    std::vector<int> minZoom(count, kLastZoom);
    std::vector<bool> named(count, false);
    for (int zoom = 0; zoom <= kLastZoom; ++zoom) {
        const int shift = 2 * (kLastZoom - zoom);
        for (std::size_t run = 0; run < count;) {
            const quint64 cell = codes[order[run]] >> shift;
            std::uint32_t best = order[run];
            std::size_t end = run + 1;
            for (; end < count && codes[order[end]] >> shift == cell; ++end)
                best = std::min(best, order[end]);
            if (!named[best]) {
                named[best] = true;
                minZoom[best] = zoom;
            }
            run = end;
        }
    }
    m_labels.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_labels.push_back({worlds[i], places[i].name, places[i].population, minZoom[i]});
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

double PlaceLabels::zoomNaming(const GeoPoint &centre, const QSizeF &viewport, int count,
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
