// SPDX-License-Identifier: MIT
#include "MapView.h"

#include "Basemap.h"
#include "BasemapPainter.h"
#include "Locator.h"
#include "MapScale.h"

#include <QPainter>
#include <QVariantMap>

namespace lunafold {
namespace {
constexpr double kScaleBarMaxWidth = 110.0;
}

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
}

void MapView::setLocator(Locator *locator) {
    if (locator == m_locator)
        return;
    disconnect(m_locatorConnection);
    m_locator = locator;
    if (m_locator) {
        m_locatorConnection =
            connect(m_locator, &Locator::currentLocationChanged, this, &MapView::locationPublished);
        locationPublished(); // the value it has now counts as published
    }
}

void MapView::setBasemap(const Basemap *map) {
    m_basemap = map;
    m_basemapChosen = true;
    update();
}

void MapView::componentComplete() {
    QQuickPaintedItem::componentComplete();
    if (!m_locator)
        setLocator(Locator::shared());
}

void MapView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) {
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    MapCamera camera = m_camera;
    camera.setViewport(newGeometry.size());
    if (m_pendingRegion && !newGeometry.size().isEmpty()) {
        camera.showRegion(*m_pendingRegion, kRegionSpan, kRegionSpan);
        m_pendingRegion.reset();
    }
    m_from.setViewport(newGeometry.size());
    m_to.setViewport(newGeometry.size());
    setCamera(camera);
}

void MapView::locationPublished() {
    const auto published = m_locator ? m_locator->currentLocation() : std::nullopt;
    if (!published)
        return;
    const GeoCoordinate coordinate{published->latitude, published->longitude};
    if (m_marker == coordinate)
        return;
    m_marker = coordinate;
    Q_EMIT markerChanged();
    Q_EMIT viewChanged();
    flyTo(coordinate);
}

void MapView::flyTo(const GeoCoordinate &centre) {
    if (m_camera.viewport().isEmpty()) {
        m_pendingRegion = centre;
        return;
    }
    const bool wasRunning = animating();
    m_animation.stop();
    m_from = m_camera;
    m_to = m_camera;
    m_to.showRegion(centre, kRegionSpan, kRegionSpan);
    m_animation.start();
    if (!wasRunning)
        Q_EMIT animatingChanged();
}

void MapView::stopFlight() {
    if (!animating())
        return;
    m_animation.stop();
    Q_EMIT animatingChanged();
}

void MapView::setCamera(const MapCamera &camera) {
    if (camera == m_camera)
        return;
    m_camera = camera;
    update();
    Q_EMIT viewChanged();
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

bool MapView::tapAt(double x, double y) {
    const auto coordinate = m_camera.toCoordinate({x, y});
    if (!coordinate || !m_locator)
        return false;
    m_locator->setChosenLocation(coordinate->latitude, coordinate->longitude);
    return true;
}

QVariantMap MapView::coordinateAt(double x, double y) const {
    const auto coordinate = m_camera.toCoordinate({x, y});
    if (!coordinate)
        return {};
    return {{QStringLiteral("latitude"), coordinate->latitude},
            {QStringLiteral("longitude"), coordinate->longitude}};
}

void MapView::paint(QPainter *painter) {
    // The bundled map is read when the map is first drawn, not with the window: the Now screen
    // comes first and needs none of it.
    if (!m_basemapChosen) {
        m_basemap = Basemap::shared();
        m_basemapChosen = true;
    }
    static const Basemap empty{QByteArray()};
    BasemapPainter::paint(*painter, m_camera, m_basemap ? *m_basemap : empty);
}

} // namespace lunafold
