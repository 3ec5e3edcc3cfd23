// SPDX-License-Identifier: MIT
#include "ui/map/BasemapPainter.h"

#include "core/map/MapCamera.h"
#include "ui/map/Basemap.h"

#include <QPainter>
#include <QPainterPath>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>

#include <cmath>

namespace lunafold {

void BasemapPainter::paint(QPainter &painter, const MapCamera &camera, const Basemap &map,
                           const MapStyle &style) {
    const QSizeF viewport = camera.viewport();
    painter.fillRect(QRectF(QPointF(0, 0), viewport), style.sea);
    if (viewport.isEmpty())
        return;
    const QRectF world = camera.visibleWorld();
    const double size = camera.worldSize();
    const double deviceScale = std::max(1.0, std::abs(painter.deviceTransform().m11()));

    // One path per layer for all tiles in view, so that the fill has no seams where tiles meet.
    QPainterPath land, coast, borders, lakes, rivers, admin;
    land.setFillRule(Qt::OddEvenFill);
    lakes.setFillRule(Qt::OddEvenFill);
    const bool details = camera.zoom() >= kDetailZoom;
    if (map.isLoaded()) {
        // Lines as fine as the device's pixels, no finer: the whole world at the coarsest level
        // still has several points per pixel.
        const double pixelsPerUnit = size * deviceScale;
        const int level = map.levelFor(camera.zoom());
        const int grid = map.gridSize(level);
        const int firstColumn = int(std::floor(world.left() * grid)),
                  lastColumn = int(std::floor(world.right() * grid));
        const int firstRow = std::max(0, int(std::floor(world.top() * grid)));
        const int lastRow = std::min(grid - 1, int(std::floor(world.bottom() * grid)));
        for (int column = firstColumn; column <= lastColumn; ++column) {
            // Columns past either end are the next copy of the world.
            const int copy = int(std::floor(double(column) / grid));
            const int wrapped = column - copy * grid;
            for (int row = firstRow; row <= lastRow; ++row) {
                const Basemap::Tile *tile = map.tile(level, wrapped, row, pixelsPerUnit);
                if (!tile)
                    continue;
                const auto add = [copy](QPainterPath &to, const QPainterPath &from) {
                    if (from.isEmpty())
                        return;
                    to.addPath(copy == 0 ? from : from.translated(copy, 0));
                };
                add(land, tile->land);
                add(coast, tile->coast);
                add(borders, tile->borders);
                add(lakes, tile->lakes);
                if (details) {
                    add(rivers, tile->rivers);
                    add(admin, tile->admin);
                }
            }
        }
    }

    painter.save();
    painter.setTransform(QTransform(size, 0, 0, size, -world.left() * size, -world.top() * size), true);
    // Land is filled without antialiasing: several times faster for a whole continent, and tiles
    // meet without a seam. The antialiased coast drawn over it hides the stepped edge.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.land);
    painter.drawPath(land);
    if (!lakes.isEmpty()) {
        painter.setBrush(style.sea);
        painter.drawPath(lakes);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // One device pixel: Qt draws such lines without the general stroker, an order of magnitude
    // faster than wider ones.
    QPen pen(style.river, 1.0);
    pen.setCosmetic(true);
    if (!rivers.isEmpty()) {
        painter.setPen(pen);
        painter.drawPath(rivers);
    }
    pen.setColor(style.coast);
    painter.setPen(pen);
    painter.drawPath(coast);
    if (!admin.isEmpty()) {
        QPen dashed = pen;
        dashed.setColor(style.admin);
        dashed.setDashPattern({4.0, 3.0});
        painter.setPen(dashed);
        painter.drawPath(admin);
    }
    pen.setColor(style.border);
    painter.setPen(pen);
    painter.drawPath(borders);
    painter.restore();

    // Graticule: meridians and parallels at a step that suits the zoom, counted in whole steps
    // so that no error piles up.
    const double step = graticuleStep(camera);
    painter.save();
    painter.setPen(QPen(style.graticule, 1.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double centreLongitude = world.center().x() * 360.0 - 180.0;
    const double west = centreLongitude - world.width() * 180.0,
                 east = centreLongitude + world.width() * 180.0;
    for (double k = std::ceil(west / step); k * step <= east; ++k) {
        const double x = viewport.width() / 2 + (k * step - centreLongitude) / 360.0 * size;
        painter.drawLine(QPointF(x, 0), QPointF(x, viewport.height()));
    }
    const auto top = camera.toCoordinate({0, 0}), bottom = camera.toCoordinate({0, viewport.height()});
    if (top && bottom) {
        for (double k = std::ceil(bottom->latitude() / step); k * step <= top->latitude(); ++k) {
            const double y = camera.toView({Longitude(0), Latitude(k * step)}).y();
            painter.drawLine(QPointF(0, y), QPointF(viewport.width(), y));
        }
    }
    painter.restore();
}

double BasemapPainter::graticuleStep(const MapCamera &camera, double minGap) {
    const double degreesPerPoint = 360.0 / camera.worldSize();
    const double wanted = minGap * degreesPerPoint;
    if (wanted >= 30.0)
        return 30.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(wanted)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * magnitude >= wanted)
            return m * magnitude;
    return 10.0 * magnitude;
}

void paintUnsplit(const std::function<void()> &paint) {
    QThreadPool *pool = QThreadPool::globalInstance();
    if (pool->contains(QThread::currentThread())) {
        paint();
        return;
    }
    QSemaphore done;
    pool->reserveThread(); // a thread even when the pool is busy with other work
    pool->startOnReservedThread([&] {
        paint();
        done.release();
    });
    done.acquire();
}

} // namespace lunafold
