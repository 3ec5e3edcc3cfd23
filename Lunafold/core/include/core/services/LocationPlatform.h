// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace lunafold {

/// The location service's authorisation states.
enum class LocationAuthorization {
    notDetermined,
    restricted,
    denied,
    authorizedAlways,
    authorizedWhenInUse,
    unknown
};

/// One position fix of the device.
struct LocationFix {
    double latitude = 0.0, longitude = 0.0; ///< degrees, north and east positive
    Instant timestamp;
    QString description() const;
};

/// The device's location service (Qt Positioning, or a fake in tests). Its reports go to the
/// Locator, which the platform layer calls on the main thread.
class LocationManager {
  public:
    virtual ~LocationManager() = default;
    virtual LocationAuthorization authorizationStatus() const = 0;
    virtual void requestWhenInUseAuthorization() = 0;
    virtual void startUpdatingLocation() = 0;
    virtual void stopUpdatingLocation() = 0;
    /// Whether the device has a compass; without one there is no heading data at all.
    virtual bool headingAvailable() const { return false; }
    virtual void startUpdatingHeading() {}
    virtual void stopUpdatingHeading() {}
};

/// A reverse-geocoding answer: the parts of a place name and the point's time zone.
struct Placemark {
    std::optional<QString> locality, administrativeArea, country;
    std::optional<QString> timeZone; ///< IANA identifier
};

/// Turns a coordinate into placemarks (our offline geocoder, or a fake in tests).
class Geocoder {
  public:
    virtual ~Geocoder() = default;
    /// @p completion gets an error text, or no error and the placemarks (possibly none).
    virtual void reverseGeocode(const GeoPoint &point,
                                std::function<void(const std::optional<QList<Placemark>> &placemarks,
                                                   const std::optional<QString> &error)>
                                    completion) = 0;
};

} // namespace lunafold
