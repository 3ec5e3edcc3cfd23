// SPDX-License-Identifier: MIT
#pragma once

#include "core/map/WebMercator.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace lunafold {

/// A place the map may name.
struct MapPlace {
    GeoPoint coordinate;
    QString name;
    qint64 population = 0;
};

class PlaceIndex;

/// The places the map names: every place of the bundled places data with its population.
std::vector<MapPlace> mapPlaces(const PlaceIndex &index);

/// Which places are named at which zoom. Each zoom level cuts the world into cells of kCellPoints;
/// a place is named from the first level at which it is the most populous of its cell, so the
/// biggest towns show first and the map never fills up wherever the view is. Read-only after
/// construction, so all calls are thread-safe.
class PlaceLabels {
  public:
    static constexpr double kCellPoints = 64.0; // 256 / 4: cells nest from one zoom to the next
    static constexpr int kLastZoom = 16;

    struct Label {
        QPointF world; ///< unit Web Mercator
        QString name;
        qint64 population;
        int minZoom; ///< named from round(zoom) >= minZoom
    };

    explicit PlaceLabels(std::vector<MapPlace> places);

    std::size_t size() const { return m_labels.size(); }

    /// Calls @p visit(label, worldX) for every label named at @p zoom inside @p world (which may
    /// reach past either end of the world; worldX is then the copy inside it), most important
    /// first. @p visit returns false to stop.
    template <typename Visit> void visit(const QRectF &world, double zoom, Visit &&visit) const {
        const std::size_t end = shownCount(zoom);
        for (std::size_t i = 0; i < end; ++i) {
            const Label &label = m_labels[i];
            if (label.world.y() < world.top() || label.world.y() > world.bottom())
                continue;
            for (double copy : {0.0, -1.0, 1.0}) {
                const double x = label.world.x() + copy;
                if (x >= world.left() && x <= world.right()) {
                    if (!visit(label, x))
                        return;
                    break;
                }
            }
        }
    }
    int countIn(const QRectF &world, double zoom) const;

    /// The highest zoom, at most @p maxZoom and in quarter steps, at which a view of @p viewport
    /// points centred on @p centre names at least @p count places; @p maxZoom when none does.
    double zoomNaming(const GeoPoint &centre, const QSizeF &viewport, int count, double maxZoom) const;

  private:
    std::size_t shownCount(double zoom) const;

    std::vector<Label> m_labels;           // by minZoom, then importance
    std::vector<std::size_t> m_shownCount; // per zoom: labels with minZoom <= it
};

} // namespace lunafold
