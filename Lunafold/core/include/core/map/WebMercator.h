// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"

#include <QPointF>

namespace lunafold {

/// The spherical Web Mercator projection onto the unit world square: x from 0 at 180° W to 1 at
/// 180° E, y from 0 at the northern edge (kMaxLatitude) to 1 at the southern edge.
namespace WebMercator {

/// atan(sinh(π)), degrees: the latitude at which the projected world is square.
constexpr double kMaxLatitude = 85.05112877980659;

/// Latitudes beyond ±kMaxLatitude land on the world's edge.
QPointF project(const GeoPoint &coordinate);
/// The inverse; x is taken modulo 1 (the world repeats east and west), y is clamped to [0, 1].
GeoPoint unproject(const QPointF &world);
/// @p longitude in degrees brought into [-180, 180).
double wrapLongitude(double longitude);

} // namespace WebMercator
} // namespace lunafold
