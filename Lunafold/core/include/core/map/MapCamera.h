// SPDX-License-Identifier: MIT
#pragma once

#include "core/map/WebMercator.h"

#include <QRectF>
#include <QSizeF>

#include <optional>

namespace lunafold {

/// What a map shows: the centre of its view on the unit Web Mercator world and a zoom level (the
/// world is 256 · 2^zoom points wide), for a view of a given size in points.
///
/// Kept valid by every change: the zoom stays within [minZoom(), kMaxZoom], the centre's x within
/// [0, 1) (the world repeats east and west), and the view never reaches past the world's northern
/// or southern edge.
class MapCamera {
  public:
    static constexpr double kTileSize = 256.0;
    static constexpr double kMaxZoom = 19.0;

    MapCamera() = default;
    MapCamera(const QSizeF &viewport, const GeoPoint &centre, double zoom);

    QSizeF viewport() const { return m_viewport; }
    void setViewport(const QSizeF &viewport);
    QPointF centre() const { return m_centre; }
    GeoPoint centreCoordinate() const { return WebMercator::unproject(m_centre); }
    double zoom() const { return m_zoom; }
    /// The world's width and height in points.
    double worldSize() const;
    /// The lowest zoom at which the world is at least as tall as the view.
    double minZoom() const;

    /// Where @p coordinate appears in the view, taking the copy of the world nearest the centre.
    QPointF toView(const GeoPoint &coordinate) const;
    /// The coordinate under @p point, longitude in [-180, 180); none above or below the world.
    std::optional<GeoPoint> toCoordinate(const QPointF &point) const;
    /// The view's area on the unit world; x may reach below 0 or past 1 where the world repeats.
    QRectF visibleWorld() const;

    /// Moves the content by (@p dx, @p dy) points, as a finger dragging it.
    void panBy(double dx, double dy);
    /// Multiplies the scale by @p factor, keeping what is under @p anchor in place.
    void zoomBy(double factor, const QPointF &anchor);
    /// Centres on @p centre at the highest zoom that still shows @p latitudeSpan × @p longitudeSpan
    /// degrees around it.
    void showRegion(const GeoPoint &centre, double latitudeSpan, double longitudeSpan);
    /// Ground distance of one point at the centre, metres.
    double metersPerPoint() const;

    /// The way from @p from to @p to at @p t in [0, 1]: zoom linear, centre straight on the world
    /// (the short way round across the antimeridian).
    static MapCamera interpolate(const MapCamera &from, const MapCamera &to, double t);

    friend bool operator==(const MapCamera &, const MapCamera &) = default;

  private:
    void clamp();

    QSizeF m_viewport;
    QPointF m_centre{0.5, 0.5};
    double m_zoom = 0.0;
};

} // namespace lunafold
