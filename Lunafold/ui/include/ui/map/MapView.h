// SPDX-License-Identifier: MIT
#pragma once

#include "core/map/MapCamera.h"
#include "core/services/Locator.h"
#include "ui/map/LabelLayout.h"
#include "ui/map/TileSource.h"

#include <QPointer>
#include <QQuickPaintedItem>
#include <QVariantAnimation>

#include <optional>

namespace lunafold {

class AppGraph;
class Basemap;
class PlaceLabels;

/// The location chooser's map: the offline basemap with place names, online raster tiles over it
/// where a TileSource is set and enabled, and a marker on the chosen place. It follows the
/// Locator's published coordinate (marker, then the camera flies to a small region around it;
/// without tiles, out to where the nearest names show) and hands a tapped point to the Locator,
/// so a tap moves the marker only through it. Gestures arrive through panBy(), zoomBy(), fling(),
/// zoomAround() and tapAt(), which the QML handlers call.
class MapView : public QQuickPaintedItem {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(bool hasMarker READ hasMarker NOTIFY markerChanged)
    Q_PROPERTY(double markerLatitude READ markerLatitude NOTIFY markerChanged)
    Q_PROPERTY(double markerLongitude READ markerLongitude NOTIFY markerChanged)
    Q_PROPERTY(QPointF markerPoint READ markerPoint NOTIFY viewChanged)
    Q_PROPERTY(double centerLatitude READ centerLatitude NOTIFY viewChanged)
    Q_PROPERTY(double centerLongitude READ centerLongitude NOTIFY viewChanged)
    Q_PROPERTY(double zoomLevel READ zoomLevel NOTIFY viewChanged)
    Q_PROPERTY(double scaleBarWidth READ scaleBarWidth NOTIFY viewChanged)
    Q_PROPERTY(QString scaleBarText READ scaleBarText NOTIFY viewChanged)
    Q_PROPERTY(bool animating READ animating NOTIFY animatingChanged)
    Q_PROPERTY(bool tilesShown READ tilesShown NOTIFY tilesShownChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QStringList labelNames READ labelNames NOTIFY labelsChanged)
    /// Rectangles (the map's points) of the controls drawn over the map, such as the scale bar and
    /// the zoom buttons: no name goes under them.
    Q_PROPERTY(QVariantList controlAreas READ controlAreas WRITE setControlAreas NOTIFY controlAreasChanged)

  public:
    /// The span, degrees of latitude and of longitude, shown around a newly published place.
    static constexpr double kRegionSpan = 0.02;
    static constexpr int kFlightMilliseconds = 400;
    static constexpr int kZoomMilliseconds = 250;
    /// Without tiles, a new place is shown at least this many names around it.
    static constexpr int kNamesAround = 3;

    explicit MapView(QQuickItem *parent = nullptr);

    /// The Locator to follow and to hand taps to.
    Locator *locator() const { return m_locator; }
    void setLocator(Locator *locator);
    void setBasemap(const Basemap *map);
    /// The names to draw; none when null.
    void setPlaceLabels(const PlaceLabels *labels);
    /// Online tiles; none when null.
    void setTileSource(TileSource *tiles);

    std::optional<GeoPoint> markerLocation() const { return m_marker; }
    bool hasMarker() const { return m_marker.has_value(); }
    double markerLatitude() const { return m_marker ? m_marker->latitude() : 0.0; }
    double markerLongitude() const { return m_marker ? m_marker->longitude() : 0.0; }
    QPointF markerPoint() const;
    const MapCamera &camera() const { return m_camera; }
    /// Where the camera is going (the camera itself once a flight has ended).
    const MapCamera &cameraTarget() const {
        return m_animation.state() == QAbstractAnimation::Running ? m_to : m_camera;
    }
    double centerLatitude() const { return m_camera.centreCoordinate().latitude(); }
    double centerLongitude() const { return m_camera.centreCoordinate().longitude(); }
    double zoomLevel() const { return m_camera.zoom(); }
    double scaleBarWidth() const;
    QString scaleBarText() const;
    bool animating() const { return m_animation.state() == QAbstractAnimation::Running; }
    /// Whether online tiles cover some of the view (the attribution must show then).
    bool tilesShown() const { return m_tilesShown; }
    QStringList labelNames() const;
    /// The names in view and where they are drawn, view points.
    const std::vector<PlacedLabel> &placedLabels() const { return m_placed; }
    QVariantList controlAreas() const;
    void setControlAreas(const QVariantList &areas);
    /// Whether the map is on screen: only then are tiles fetched.
    bool active() const { return m_active; }
    void setActive(bool active);
    /// The tiles the view needs at its zoom, those nearest the centre first.
    static QList<TileKey> tilesInView(const MapCamera &camera);

    /// A drag by (@p dx, @p dy) points; ends any flight.
    Q_INVOKABLE void panBy(double dx, double dy);
    /// A pinch or wheel step by @p factor around (@p x, @p y); ends any flight.
    Q_INVOKABLE void zoomBy(double factor, double x, double y);
    /// The end of a drag moving at (@p vx, @p vy) points per second: the map glides on, slowing.
    Q_INVOKABLE void fling(double vx, double vy);
    /// A double tap or a zoom button: an animated zoom by @p factor around (@p x, @p y).
    Q_INVOKABLE void zoomAround(double factor, double x, double y);
    /// Flies back to the marker, as when it was published.
    Q_INVOKABLE void recentre();
    /// A single tap at (@p x, @p y): the coordinate there goes to the Locator (set, saved, looked
    /// up). False when the point is off the world or there is no Locator.
    Q_INVOKABLE bool tapAt(double x, double y);
    /// The coordinate under (@p x, @p y) as {latitude, longitude}; empty off the world.
    Q_INVOKABLE QVariantMap coordinateAt(double x, double y) const;

    void paint(QPainter *painter) override;

  Q_SIGNALS:
    void locatorChanged();
    void markerChanged();
    void viewChanged();
    void animatingChanged();
    void tilesShownChanged();
    void activeChanged();
    void controlAreasChanged();
    void labelsChanged();

  protected:
    void componentComplete() override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

  private:
    void locationPublished();
    void flyTo(const GeoPoint &centre);
    void animateTo(const MapCamera &target, int milliseconds);
    MapCamera regionAround(const GeoPoint &centre, const QSizeF &viewport);
    static std::vector<QRectF> markerAreas(const QPointF &tip);
    std::vector<QRectF> keptClear(const QPointF &markerTip) const;
    std::optional<LabelLayout::Marker> layoutMarker(const QPointF &tip) const;
    bool tilesActive() const;
    void tilesChangedState();
    void setCamera(const MapCamera &camera);
    void refreshTiles();
    void relayoutLabels();
    void choosePlaceLabels();
    void stopFlight();

    QPointer<Locator> m_locator;
    const Basemap *m_basemap = nullptr;
    const PlaceLabels *m_labels = nullptr;
    QPointer<TileSource> m_tiles;
    bool m_tilesShown = false;
    bool m_active = true;
    std::vector<PlacedLabel> m_placed;
    std::vector<QRectF> m_controlAreas;
    LabelLayout m_layout;
    LabelPainter m_labelPainter;
    QVariantAnimation m_fling;
    QPointF m_flingVelocity, m_flung;
    std::optional<MapCamera> m_arrived; // where the last flight to the marker ended, until moved
    const AppGraph *m_graph = nullptr;  // the app's map data, when shown by an engine with one
    bool m_basemapChosen = false;       // else the graph's, on the first paint
    bool m_labelsChosen = false;        // else the graph's, when the item is complete
    MapCamera m_camera;
    MapCamera m_from, m_to;
    std::optional<GeoPoint> m_marker;
    std::optional<GeoPoint> m_pendingRegion; // waiting for the item to have a size
    QVariantAnimation m_animation;
    QMetaObject::Connection m_locatorConnection, m_placeNameConnection;
    QList<QMetaObject::Connection> m_tileConnections;
};

} // namespace lunafold
