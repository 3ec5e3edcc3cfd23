// SPDX-License-Identifier: MIT
#include "core/map/MapCamera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lunafold {
namespace {

constexpr double kEarthRadius = 6378137.0; // metres, the sphere of Web Mercator

double wrapUnit(double x) {
    const double w = x - std::floor(x);
    return w >= 1.0 ? 0.0 : w;
}

} // namespace

MapCamera::MapCamera(const QSizeF &viewport, const GeoPoint &centre, double zoom)
    : m_viewport(viewport), m_centre(WebMercator::project(centre)), m_zoom(zoom) {
    clamp();
}

void MapCamera::setViewport(const QSizeF &viewport) {
    m_viewport = viewport;
    clamp();
}

double MapCamera::worldSize() const {
    return kTileSize * std::exp2(m_zoom);
}

double MapCamera::minZoom() const {
    const double height = std::max(0.0, m_viewport.height());
    return height > kTileSize ? std::log2(height / kTileSize) : 0.0;
}

QPointF MapCamera::toView(const GeoPoint &coordinate) const {
    const QPointF p = WebMercator::project(coordinate);
    double dx = p.x() - m_centre.x();
    dx -= std::round(dx); // the nearest copy: |dx| <= 0.5
    const double size = worldSize();
    return {m_viewport.width() / 2 + dx * size, m_viewport.height() / 2 + (p.y() - m_centre.y()) * size};
}

std::optional<GeoPoint> MapCamera::toCoordinate(const QPointF &point) const {
    const double size = worldSize();
    const double x = m_centre.x() + (point.x() - m_viewport.width() / 2) / size;
    const double y = m_centre.y() + (point.y() - m_viewport.height() / 2) / size;
    if (!std::isfinite(x) || !std::isfinite(y) || y < 0.0 || y > 1.0)
        return std::nullopt;
    return WebMercator::unproject({x, y});
}

QRectF MapCamera::visibleWorld() const {
    const double size = worldSize();
    const double w = m_viewport.width() / size, h = m_viewport.height() / size;
    return {m_centre.x() - w / 2, m_centre.y() - h / 2, w, h};
}

void MapCamera::panBy(double dx, double dy) {
    const double size = worldSize();
    m_centre -= QPointF(dx / size, dy / size);
    clamp();
}

void MapCamera::zoomBy(double factor, const QPointF &anchor) {
    if (!(factor > 0) || !std::isfinite(factor))
        return;
    const QPointF offset = anchor - QPointF(m_viewport.width() / 2, m_viewport.height() / 2);
    const QPointF anchored = m_centre + offset / worldSize();
    m_zoom += std::log2(factor);
    clamp();
    // Put the anchored point back under the anchor at the new scale.
    m_centre = anchored - offset / worldSize();
    clamp();
}

void MapCamera::showRegion(const GeoPoint &centre, double latitudeSpan, double longitudeSpan) {
    m_centre = WebMercator::project(centre);
    const Longitude longitude(centre.longitude());
    const double north =
        WebMercator::project({longitude, Latitude(centre.latitude() + latitudeSpan / 2)}).y();
    const double south =
        WebMercator::project({longitude, Latitude(centre.latitude() - latitudeSpan / 2)}).y();
    // World sizes at which each span just fills the view; the smaller one shows both. Mercator
    // stretches the half nearer the pole more, so that half decides.
    const double byWidth = m_viewport.width() / (longitudeSpan / 360.0);
    const double half = std::max(m_centre.y() - north, south - m_centre.y());
    const double byHeight = half > 0 ? m_viewport.height() / 2 / half : byWidth;
    const double size = std::min(byWidth, byHeight);
    m_zoom = size > 0 && std::isfinite(size) ? std::log2(size / kTileSize) : kMaxZoom;
    clamp();
}

double MapCamera::metersPerPoint() const {
    const double latitude = centreCoordinate().latitude() * std::numbers::pi / 180.0;
    return 2 * std::numbers::pi * kEarthRadius * std::cos(latitude) / worldSize();
}

MapCamera MapCamera::interpolate(const MapCamera &from, const MapCamera &to, double t) {
    MapCamera c = to;
    double dx = to.m_centre.x() - from.m_centre.x();
    dx -= std::round(dx);
    c.m_centre =
        QPointF(from.m_centre.x() + t * dx, from.m_centre.y() + t * (to.m_centre.y() - from.m_centre.y()));
    c.m_zoom = from.m_zoom + t * (to.m_zoom - from.m_zoom);
    c.clamp();
    return c;
}

void MapCamera::clamp() {
    if (!std::isfinite(m_zoom))
        m_zoom = 0.0;
    m_zoom = std::clamp(m_zoom, minZoom(), std::max(minZoom(), kMaxZoom));
    double x = std::isfinite(m_centre.x()) ? wrapUnit(m_centre.x()) : 0.5;
    double y = std::isfinite(m_centre.y()) ? m_centre.y() : 0.5;
    // Half the view's height, in world units, must stay inside the world above and below.
    const double half = std::min(0.5, std::max(0.0, m_viewport.height()) / 2 / worldSize());
    y = std::clamp(y, half, 1.0 - half);
    m_centre = QPointF(x, y);
}

} // namespace lunafold
