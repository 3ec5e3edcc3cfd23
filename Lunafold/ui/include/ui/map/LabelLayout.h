// SPDX-License-Identifier: MIT
#pragma once

#include "core/map/PlaceLabels.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;

namespace lunafold {

class MapCamera;

/// A place name put on the map: a dot at the place and the name beside it.
struct PlacedLabel {
    QString name;
    int style;       ///< 0 for the biggest towns … 2 for villages
    QPointF anchor;  ///< the place, view points
    QRectF text;     ///< where the name goes, view points
    bool dot = true; ///< false for the marker's own place: the pin marks it
};

/// Puts the names that PlaceLabels offers for a view where they fit: the most important first,
/// each to the right of its dot or else to the left, wholly inside the view and never over another.
/// Keeps the names' widths, so one instance serves one view.
class LabelLayout {
  public:
    static constexpr int kMaxLabels = 120;
    // The marker's pin (MapMarker.qml), its tip on the place.
    static constexpr double kPinWidth = 30.0, kPinHeight = 42.0;

    /// The marker, and the name its place goes by ("Paris, Île-de-France": the part before the
    /// first comma is looked for among the places nearby).
    struct Marker {
        QPointF tip; ///< view points
        QString placeName;
    };
    static constexpr double kOwnPlaceReachMeters = 30000.0;

    /// Nothing goes over @p keepClear (view points), such as the marker. The marker's own place (the
    /// named one nearby, else one right under the tip) is named first, beside the pin, at any zoom.
    std::vector<PlacedLabel> layout(const MapCamera &camera, const PlaceLabels &labels,
                                    const std::vector<QRectF> &keepClear = {},
                                    const std::optional<Marker> &marker = std::nullopt);

    static int styleFor(qint64 population);
    static QFont font(int style);

  private:
    QSizeF textSize(const QString &name, int style);
    QHash<QString, QSizeF> m_sizes[3];
};

/// Draws placed names, light on a dark halo so that they read on land, sea and lines alike. Each
/// name is drawn once into a small image at the device's scale and reused.
class LabelPainter {
  public:
    void paint(QPainter &painter, const std::vector<PlacedLabel> &placed);

  private:
    const QImage &sprite(const PlacedLabel &label, double scale);
    QHash<QString, QImage> m_sprites[3]; // device pixels
    QImage m_dot;
    double m_scale = 0.0;
};

} // namespace lunafold
