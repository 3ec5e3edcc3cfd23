// SPDX-License-Identifier: MIT
#include "ui/map/MapView.h"

#include "ui/app/AppGraph.h"

#include "core/map/MapScale.h"
#include "core/map/PlaceLabels.h"
#include "core/services/Locator.h"
#include "ui/map/Basemap.h"
#include "ui/map/BasemapPainter.h"

#include <QPainter>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace lunafold {
namespace {

constexpr double kScaleBarMaxWidth = 110.0;
constexpr double kFlingTimeConstant = 0.325; // seconds for the glide to lose 63% of its speed
constexpr int kFlingMilliseconds = 1600;
constexpr double kMinFlingSpeed = 60.0; // points per second; slower releases just stop
constexpr double kMaxFlingSpeed = 6000.0;
constexpr int kParentLevels = 6; // a missing tile is stood in for by a parent up to this far up

int tileZoom(const MapCamera &camera) {
    return std::clamp(static_cast<int>(std::lround(camera.zoom())), 0, TileSource::kMaxZoom);
}

} // namespace

MapView::MapView(QQuickItem *parent) : QQuickPaintedItem(parent) {
    setOpaquePainting(true);
    setAcceptedMouseButtons(Qt::NoButton); // the QML handlers take the pointer
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setDuration(kFlightMilliseconds);
    m_animation.setEasingCurve(QEasingCurve::InOutCubic);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &t) {
        if (m_animation.state() == QAbstractAnimation::Running)
            setCamera(MapCamera::interpolate(m_from, m_to, t.toDouble()));
    });
    connect(&m_animation, &QVariantAnimation::finished, this, [this] {
        setCamera(m_to);
        Q_EMIT animatingChanged();
    });
    m_fling.setStartValue(0.0);
    m_fling.setEndValue(1.0);
    m_fling.setDuration(kFlingMilliseconds);
    connect(&m_fling, &QVariantAnimation::valueChanged, this, [this](const QVariant &t) {
        if (m_fling.state() != QAbstractAnimation::Running)
            return;
        // Exponential decay: the distance covered tends to velocity × time constant.
        const double seconds = t.toDouble() * kFlingMilliseconds / 1000.0;
        const QPointF travelled =
            m_flingVelocity * kFlingTimeConstant * (1 - std::exp(-seconds / kFlingTimeConstant));
        MapCamera camera = m_camera;
        camera.panBy(travelled.x() - m_flung.x(), travelled.y() - m_flung.y());
        m_flung = travelled;
        setCamera(camera);
    });
}

void MapView::setLocator(Locator *locator) {
    if (locator == m_locator)
        return;
    disconnect(m_locatorConnection);
    disconnect(m_placeNameConnection);
    m_locator = locator;
    if (m_locator) {
        m_locatorConnection =
            connect(m_locator, &Locator::currentLocationChanged, this, &MapView::locationPublished);
        // The place's name arrives after its coordinate and is named beside the marker.
        m_placeNameConnection = connect(m_locator, &Locator::friendlyLocationTextChanged, this, [this] {
            relayoutLabels();
            update();
        });
        locationPublished(); // the value it has now counts as published
    }
    Q_EMIT locatorChanged();
}

void MapView::setBasemap(const Basemap *map) {
    m_basemap = map;
    m_basemapChosen = true;
    update();
}

void MapView::setPlaceLabels(const PlaceLabels *labels) {
    m_labels = labels;
    m_labelsChosen = true;
    relayoutLabels();
    update();
}

void MapView::setTileSource(TileSource *tiles) {
    if (tiles == m_tiles)
        return;
    for (const auto &connection : std::as_const(m_tileConnections))
        disconnect(connection);
    m_tileConnections.clear();
    m_tiles = tiles;
    if (m_tiles) {
        m_tileConnections = {
            connect(m_tiles, &TileSource::tileReady, this, [this] { refreshTiles(); }),
            connect(m_tiles, &TileSource::enabledChanged, this, &MapView::tilesChangedState),
            connect(m_tiles, &TileSource::offlineChanged, this, &MapView::tilesChangedState),
        };
    }
    refreshTiles();
}

void MapView::relayoutLabels() {
    if (m_labels)
        m_placed =
            m_layout.layout(m_camera, *m_labels, keptClear(markerPoint()), layoutMarker(markerPoint()));
    else
        m_placed.clear();
    Q_EMIT labelsChanged();
}

std::vector<QRectF> MapView::keptClear(const QPointF &markerTip) const {
    std::vector<QRectF> areas = m_controlAreas;
    if (m_marker)
        for (const QRectF &area : markerAreas(markerTip))
            areas.push_back(area);
    return areas;
}

std::optional<LabelLayout::Marker> MapView::layoutMarker(const QPointF &tip) const {
    if (!m_marker)
        return std::nullopt;
    return LabelLayout::Marker{tip, m_locator ? m_locator->friendlyLocationText() : QString()};
}

QVariantList MapView::controlAreas() const {
    QVariantList areas;
    for (const QRectF &area : m_controlAreas)
        areas.append(area);
    return areas;
}

void MapView::setControlAreas(const QVariantList &areas) {
    std::vector<QRectF> rects;
    for (const QVariant &area : areas) {
        const QRectF rect = area.toRectF();
        if (rect.isValid())
            rects.push_back(rect);
    }
    if (rects == m_controlAreas)
        return;
    m_controlAreas = std::move(rects);
    relayoutLabels();
    update();
    Q_EMIT controlAreasChanged();
}

void MapView::componentComplete() {
    QQuickPaintedItem::componentComplete();
    // In the app and its screen tests the map's data comes from the graph the engine shows.
    m_graph = AppGraph::of(qmlEngine(this));
    if (m_graph && !m_tiles)
        setTileSource(m_graph->tiles());
    choosePlaceLabels();
}

void MapView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    const QSizeF size = newGeometry.size();
    // A view the user has not moved since it was fitted to the place is fitted again: a line of
    // text appearing above the map (as "Locating…" does on a first run) must not leave the names
    // the fit counted outside the smaller view.
    const bool unmoved = m_arrived && (animating() ? m_to == *m_arrived : m_camera == *m_arrived);
    MapCamera camera = m_camera;
    camera.setViewport(size);
    m_from.setViewport(size);
    m_to.setViewport(size);
    if (m_pendingRegion && !size.isEmpty()) {
        camera = regionAround(*m_pendingRegion, size);
        m_pendingRegion.reset();
        m_arrived = camera;
    } else if (unmoved && m_marker && !size.isEmpty()) {
        const MapCamera fitted = regionAround(*m_marker, size);
        m_arrived = fitted;
        if (animating())
            m_to = fitted; // the flight under way lands there instead
        else
            camera = fitted;
    }
    setCamera(camera);
}

void MapView::locationPublished() {
    const auto published = m_locator ? m_locator->currentLocation() : std::nullopt;
    if (!published)
        return;
    const GeoPoint coordinate = *published;
    if (m_marker == coordinate)
        return;
    m_marker = coordinate;
    relayoutLabels();
    Q_EMIT markerChanged();
    Q_EMIT viewChanged();
    flyTo(coordinate);
}

bool MapView::tilesActive() const {
    return m_tiles && m_tiles->enabled() && !m_tiles->offline();
}

MapCamera MapView::regionAround(const GeoPoint &centre, const QSizeF &viewport) {
    MapCamera camera(viewport, centre, 0);
    camera.showRegion(centre, kRegionSpan, kRegionSpan);
    if (!m_labels || tilesActive())
        return camera;
    // Without tiles a small region is mostly empty ground: step out until names show around it,
    // counting only those that find room beside the marker.
    double zoom = m_labels->zoomNaming(centre, viewport, kNamesAround, camera.zoom());
    const QPointF tip(viewport.width() / 2, viewport.height() / 2);
    const std::vector<QRectF> clear = keptClear(tip);
    const auto neighbours = [&](const MapCamera &view) {
        const std::vector<PlacedLabel> placed = m_layout.layout(view, *m_labels, clear, layoutMarker(tip));
        return std::count_if(placed.begin(), placed.end(),
                             [](const PlacedLabel &label) { return label.dot; });
    };
    for (;; zoom -= 0.25) {
        const MapCamera out(viewport, centre, zoom);
        if (out.zoom() > zoom || neighbours(out) >= kNamesAround)
            return out;
    }
}

std::vector<QRectF> MapView::markerAreas(const QPointF &tip) {
    // The pin above its tip, and its title below; beside the pin stays free for the place's name.
    const double pin = LabelLayout::kPinWidth / 2 + 1, head = LabelLayout::kPinHeight + 2;
    return {{tip.x() - pin, tip.y() - head, 2 * pin, head}, {tip.x() - 65, tip.y(), 130, 18}};
}

void MapView::flyTo(const GeoPoint &centre) {
    if (m_camera.viewport().isEmpty()) {
        m_pendingRegion = centre;
        return;
    }
    const MapCamera target = regionAround(centre, m_camera.viewport());
    animateTo(target, kFlightMilliseconds);
    m_arrived = target;
}

void MapView::animateTo(const MapCamera &target, int milliseconds) {
    const bool wasRunning = animating();
    m_animation.stop();
    m_fling.stop();
    m_from = m_camera;
    m_to = target;
    m_animation.setDuration(milliseconds);
    m_animation.start();
    if (!wasRunning)
        Q_EMIT animatingChanged();
}

// Tiles switched on or off, or the network lost or found: a view the user has not moved since
// it arrived at the place is fitted again to what can now be shown.
void MapView::tilesChangedState() {
    if (m_marker && m_arrived && (animating() ? m_to == *m_arrived : m_camera == *m_arrived)) {
        const MapCamera target = regionAround(*m_marker, m_camera.viewport());
        if (!(target == *m_arrived)) {
            animateTo(target, kFlightMilliseconds);
            m_arrived = target;
        }
    }
    refreshTiles();
}

void MapView::stopFlight() {
    m_fling.stop();
    if (!animating())
        return;
    m_animation.stop();
    Q_EMIT animatingChanged();
}

void MapView::setCamera(const MapCamera &camera) {
    if (camera == m_camera)
        return;
    m_camera = camera;
    relayoutLabels();
    refreshTiles();
    update();
    Q_EMIT viewChanged();
}

namespace {

struct ViewTile {
    TileKey key;
    QRectF rect; // view points
};

// The tiles under the view at its zoom, nearest the centre first.
std::vector<ViewTile> viewTiles(const MapCamera &camera) {
    std::vector<ViewTile> tiles;
    if (camera.viewport().isEmpty())
        return tiles;
    const int z = tileZoom(camera);
    const int n = 1 << z;
    const double size = camera.worldSize(), side = size / n;
    const QRectF world = camera.visibleWorld();
    const int x0 = static_cast<int>(std::floor(world.left() * n));
    const int x1 = std::min(x0 + n - 1, static_cast<int>(std::floor(world.right() * n)));
    const int y0 = std::max(0, static_cast<int>(std::floor(world.top() * n)));
    const int y1 = std::min(n - 1, static_cast<int>(std::floor(world.bottom() * n)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            tiles.push_back(
                {TileKey{z, ((x % n) + n) % n, y}, QRectF((x / double(n) - world.left()) * size,
                                                          (y / double(n) - world.top()) * size, side, side)});
    const QPointF middle(camera.viewport().width() / 2, camera.viewport().height() / 2);
    auto distance = [&](const ViewTile &t) {
        const QPointF d = t.rect.center() - middle;
        return d.x() * d.x() + d.y() * d.y();
    };
    std::stable_sort(tiles.begin(), tiles.end(),
                     [&](const auto &a, const auto &b) { return distance(a) < distance(b); });
    return tiles;
}

} // namespace

QList<TileKey> MapView::tilesInView(const MapCamera &camera) {
    QList<TileKey> keys;
    for (const ViewTile &tile : viewTiles(camera))
        keys.append(tile.key);
    return keys;
}

void MapView::refreshTiles() {
    bool shown = false;
    if (m_tiles && m_tiles->enabled()) {
        const QList<TileKey> keys = tilesInView(m_camera);
        if (m_active)
            m_tiles->request(keys);
        for (const TileKey &key : keys)
            for (int up = 0; up <= kParentLevels && up <= key.z && !shown; ++up)
                shown = !m_tiles->tile({key.z - up, key.x >> up, key.y >> up}).isNull();
    }
    update();
    if (shown != m_tilesShown) {
        m_tilesShown = shown;
        Q_EMIT tilesShownChanged();
        Q_EMIT labelsChanged(); // the tiles carry their own names
    }
}

void MapView::setActive(bool active) {
    if (active == m_active)
        return;
    m_active = active;
    Q_EMIT activeChanged();
    refreshTiles();
}

void MapView::choosePlaceLabels() {
    // Before the first place arrives, so that its flight can open where names show around it.
    // This waits for the places to finish loading; deferring it to the map's first showing lost
    // that first fit and is left for the start-up work.
    if (m_labelsChosen || !m_graph)
        return;
    setPlaceLabels(&m_graph->placeLabels());
}

QPointF MapView::markerPoint() const {
    return m_marker ? m_camera.toView(*m_marker) : QPointF();
}

double MapView::scaleBarWidth() const {
    return MapScale::choose(m_camera.metersPerPoint(), kScaleBarMaxWidth).width;
}

QString MapView::scaleBarText() const {
    return MapScale::choose(m_camera.metersPerPoint(), kScaleBarMaxWidth).text;
}

QStringList MapView::labelNames() const {
    QStringList names;
    if (!m_tilesShown)
        for (const PlacedLabel &label : m_placed)
            names.append(label.name);
    return names;
}

void MapView::panBy(double dx, double dy) {
    stopFlight();
    MapCamera camera = m_camera;
    camera.panBy(dx, dy);
    setCamera(camera);
}

void MapView::zoomBy(double factor, double x, double y) {
    stopFlight();
    MapCamera camera = m_camera;
    camera.zoomBy(factor, {x, y});
    setCamera(camera);
}

void MapView::fling(double vx, double vy) {
    stopFlight();
    QPointF velocity(std::isfinite(vx) ? vx : 0.0, std::isfinite(vy) ? vy : 0.0);
    const double speed = std::hypot(velocity.x(), velocity.y());
    if (speed < kMinFlingSpeed)
        return;
    if (speed > kMaxFlingSpeed)
        velocity *= kMaxFlingSpeed / speed;
    m_flingVelocity = velocity;
    m_flung = QPointF();
    m_fling.start();
}

void MapView::zoomAround(double factor, double x, double y) {
    if (!(factor > 0) || !std::isfinite(factor))
        return;
    MapCamera target = animating() ? m_to : m_camera;
    target.zoomBy(factor, {x, y});
    animateTo(target, kZoomMilliseconds);
}

void MapView::recentre() {
    if (m_marker)
        flyTo(*m_marker);
}

bool MapView::tapAt(double x, double y) {
    const auto coordinate = m_camera.toCoordinate({x, y});
    if (!coordinate || !m_locator)
        return false;
    m_locator->setChosenLocation(*coordinate);
    return true;
}

QVariantMap MapView::coordinateAt(double x, double y) const {
    const auto coordinate = m_camera.toCoordinate({x, y});
    if (!coordinate)
        return {};
    return {{QStringLiteral("latitude"), coordinate->latitude()},
            {QStringLiteral("longitude"), coordinate->longitude()}};
}

void MapView::paint(QPainter *painter) {
    // The bundled map is read when the map is first drawn, not with the window: the Now screen
    // comes first and needs none of it.
    if (!m_basemapChosen) {
        m_basemap = m_graph ? m_graph->basemap() : nullptr;
        m_basemapChosen = true;
    }
    static const Basemap empty{QByteArray()};
    const auto draw = [&] {
        BasemapPainter::paint(*painter, m_camera, m_basemap ? *m_basemap : empty);
        if (m_tilesShown && m_tiles) {
            painter->save();
            painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
            for (const ViewTile &tile : viewTiles(m_camera)) {
                // A missing tile is stood in for by the part of a parent that covers it.
                for (int up = 0; up <= kParentLevels && up <= tile.key.z; ++up) {
                    const QImage image = m_tiles->tile({tile.key.z - up, tile.key.x >> up, tile.key.y >> up});
                    if (image.isNull())
                        continue;
                    const int parts = 1 << up;
                    const double part = double(image.width()) / parts;
                    const QRectF source((tile.key.x % parts) * part, (tile.key.y % parts) * part, part, part);
                    painter->drawImage(tile.rect.adjusted(0, 0, 0.5, 0.5), image, source); // no seams
                    break;
                }
            }
            painter->restore();
        }
        if (!m_tilesShown)
            m_labelPainter.paint(*painter, m_placed);
    };
    // Into an image (the item's default target) the drawing can move to a pool thread; a GPU
    // target's context belongs to this thread.
    if (painter->device() && painter->device()->devType() == QInternal::Image)
        paintUnsplit(draw);
    else
        draw();
}

} // namespace lunafold
