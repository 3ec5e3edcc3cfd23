// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <functional>

class QPainter;

namespace lunafold {

class Basemap;
class MapCamera;

/// The dark scheme's map colours.
struct MapStyle {
    QColor sea{0x10, 0x1a, 0x30};
    QColor land{0x2d, 0x2f, 0x3e};
    QColor coast{0x5b, 0x63, 0x85};
    QColor border{0x8a, 0x86, 0xa8};
    QColor river{0x33, 0x4e, 0x7c};
    QColor admin{0x8a, 0x86, 0xa8, 120};
    QColor graticule{255, 255, 255, 20};
};

/// Draws the basemap as a camera sees it: sea, land, lakes, coasts, borders and a graticule whose
/// spacing follows the zoom; rivers and state or province borders once zoomed in to a country.
/// Only the tiles in view are touched.
class BasemapPainter {
  public:
    static constexpr double kDetailZoom = 4.0; ///< rivers and first-level borders from here on

    /// Paints the camera's viewport, from (0, 0) in @p painter's current coordinates.
    static void paint(QPainter &painter, const MapCamera &camera, const Basemap &map,
                      const MapStyle &style = MapStyle());
    /// Degrees between graticule lines: the finest of 1, 2, 5 × 10^n (at most 30°) whose lines are
    /// at least @p minGap points apart at the camera's zoom.
    static double graticuleStep(const MapCamera &camera, double minGap = 90.0);
};

/// Runs @p paint (onto a QImage) on a thread of Qt's global pool and waits for it. Elsewhere Qt's
/// raster engine hands every large batch of spans to that pool and waits: a wake-up and a wait
/// per batch, which costs more than it shares and, on a busy device, leaves the frame waiting for
/// threads that are not running. On one pool thread it draws the spans itself.
void paintUnsplit(const std::function<void()> &paint);

} // namespace lunafold
