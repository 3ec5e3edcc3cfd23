// SPDX-License-Identifier: MIT
#include "core/map/WebMercator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lunafold::WebMercator {
namespace {
constexpr double kDegree = std::numbers::pi / 180.0;
}

QPointF project(const GeoPoint &c) {
    const double phi = std::clamp(c.latitude(), -kMaxLatitude, kMaxLatitude) * kDegree;
    const double x = (c.longitude() + 180.0) / 360.0;
    const double y = 0.5 - std::log(std::tan(std::numbers::pi / 4 + phi / 2)) / (2 * std::numbers::pi);
    return {x, std::clamp(y, 0.0, 1.0)};
}

GeoPoint unproject(const QPointF &world) {
    const double y = std::clamp(world.y(), 0.0, 1.0);
    const double latitude = std::atan(std::sinh(std::numbers::pi * (1.0 - 2.0 * y))) / kDegree;
    return {Longitude(wrapLongitude(world.x() * 360.0 - 180.0)), Latitude(latitude)};
}

double wrapLongitude(double longitude) {
    const double wrapped = std::fmod(longitude + 180.0, 360.0);
    return (wrapped < 0 ? wrapped + 360.0 : wrapped) - 180.0;
}

} // namespace lunafold::WebMercator
