// SPDX-License-Identifier: MIT
#pragma once

namespace lunafold {

/// Degrees east of Greenwich (west negative).
struct Longitude {
    constexpr explicit Longitude(double d) noexcept : degrees(d) {}
    double degrees;
};

/// Degrees north of the equator (south negative).
struct Latitude {
    constexpr explicit Latitude(double d) noexcept : degrees(d) {}
    double degrees;
};

/// A place on the Earth, degrees, east and north positive.
///
/// Built only from a Longitude and a Latitude in that order, so two bare numbers, or the two
/// in the wrong order, do not compile.
class GeoPoint {
  public:
    constexpr GeoPoint() noexcept = default;
    constexpr GeoPoint(Longitude longitude, Latitude latitude) noexcept
        : m_longitude(longitude.degrees), m_latitude(latitude.degrees) {}

    constexpr double longitude() const noexcept { return m_longitude; }
    constexpr double latitude() const noexcept { return m_latitude; }

    friend constexpr bool operator==(const GeoPoint &, const GeoPoint &) noexcept = default;

  private:
    double m_longitude = 0.0;
    double m_latitude = 0.0;
};

} // namespace lunafold
