// SPDX-License-Identifier: MIT
#include "core/services/Locator.h"

#include "common/Localization.h"
#include "common/Log.h"
#include "common/UserDefaults.h"

#include <atomic>
#include <cmath>

namespace lunafold {
namespace {

const QString kLatitudeKey = QStringLiteral("lunafold.calculationLatitude");
const QString kLongitudeKey = QStringLiteral("lunafold.calculationLongitude");
const QString kTextKey = QStringLiteral("lunafold.friendlyLocationText");
const QString kZoneKey = QStringLiteral("lunafold.timezone");

constexpr double kFreshFixSeconds = 15.0;

} // namespace

QString LocationFix::description() const {
    return QStringLiteral("<%1,%2> @ %3")
        .arg(latitude, 0, 'f', 8)
        .arg(longitude, 0, 'f', 8)
        .arg(QString::number(timestamp.unixSeconds(), 'f', 0));
}

Locator::Locator(LocationManager &manager, Geocoder &geocoder, UserDefaults &defaults,
                 bool useCurrentLocation, QObject *parent)
    : QObject(parent), m_manager(manager), m_geocoder(geocoder), m_defaults(defaults),
      m_useCurrentLocation(useCurrentLocation) {
    m_defaults.registerDefaults({{kLatitudeKey, 0.0}});
    m_defaults.registerDefaults({{kLongitudeKey, 0.0}});
    m_defaults.registerDefaults({{kTextKey, m_text}});
    m_defaults.registerDefaults({{kZoneKey, timezoneName()}});
}

void Locator::didChangeAuthorization(LocationAuthorization status) {
    logLine(QStringLiteral("LOC0. didChangeAuthorization called."));
    const bool available = status == LocationAuthorization::authorizedAlways ||
                           status == LocationAuthorization::authorizedWhenInUse;
    if (available != m_servicesAvailable) {
        m_servicesAvailable = available;
        Q_EMIT locationServicesAvailableChanged();
    }
    handleAuthorizationStatus(status);
}

void Locator::handleAuthorizationStatus(LocationAuthorization status) {
    switch (status) {
    case LocationAuthorization::notDetermined:
        logLine(QStringLiteral("LOC1. location Authorization Status has changed to .notDetermined"));
        if (m_useCurrentLocation) {
            logLine(QStringLiteral("LOC1A. Requesting Location Authorization.."));
            m_manager.requestWhenInUseAuthorization();
            beginLocating();
        } else {
            logLine(QStringLiteral(
                "LOC1B. NOT Requesting Location Authorization - useCurrentLocation is false."));
            loadLocation();
        }
        return;
    case LocationAuthorization::restricted:
    case LocationAuthorization::denied:
        logLine(QStringLiteral("LOC3. location Authorization Status has changed to .restricted or .denied"));
        loadLocation();
        return;
    case LocationAuthorization::authorizedAlways:
    case LocationAuthorization::authorizedWhenInUse:
        logLine(QStringLiteral("LOC2. location Authorization Status has changed to .authorizedAlways or "
                               ".authorizedWhenInUse"));
        if (m_useCurrentLocation) {
            logLine(QStringLiteral("LOC2A. Starting Location Updates.."));
            m_manager.startUpdatingLocation();
            beginLocating();
        } else {
            logLine(QStringLiteral("LOC2B. NOT starting Location Updates - useCurrentLocation is false."));
            loadLocation();
        }
        return;
    case LocationAuthorization::unknown:
        loadLocation();
        return;
    }
}

void Locator::didUpdateLocations(const QList<LocationFix> &fixes, Instant now) {
    if (fixes.isEmpty())
        return;
    const LocationFix &fix = fixes.last();
    if (!(std::abs(fix.timestamp.secondsSince(now)) < kFreshFixSeconds))
        return; // a stale fix: keep listening
    if (fix.latitude == 0.0 && fix.longitude == 0.0)
        return; // what a receiver without a fix reports: keep listening
    logLine(QStringLiteral("LOC6. Stopping Location Services"));
    m_manager.stopUpdatingLocation();
    const GeoPoint point{Longitude(fix.longitude), Latitude(fix.latitude)};
    setLocation(point);
    setStatus(false, false, false);
    logLine(QStringLiteral("LOC5. Location Received ") + fix.description());
    saveLocation();
    lookUpPlace(point);
}

void Locator::didFailWithError(const QString &description) {
    logLine(QStringLiteral("LOC4. didFailWithError called. Error was ") + description);
    logLine(QStringLiteral("LOC6. Stopping Location Services"));
    m_manager.stopUpdatingLocation();
    setStatus(false, m_approximate, true);
    loadLocation();
}

void Locator::cancelLocating() {
    if (!m_locating)
        return;
    logLine(QStringLiteral("LOC6. Stopping Location Services"));
    m_manager.stopUpdatingLocation();
    setStatus(false, m_approximate, false);
    if (!m_location)
        loadLocation();
}

void Locator::beginLocating() {
    setStatus(true, m_approximate, false);
    // Figures from the first second: until the fix, the zone's principal location.
    if (!m_location)
        useApproximatePlace();
}

bool Locator::useApproximatePlace() {
    if (!m_approximatePlace)
        return false;
    const auto zone = TimeZone::named(m_approximatePlace->zone.toStdString());
    setLocation(GeoPoint{Longitude(m_approximatePlace->longitude), Latitude(m_approximatePlace->latitude)});
    setText(m_approximatePlace->name);
    setZone(zone.value_or(TimeZone::current()));
    setStatus(m_locating, true, m_failed);
    return true;
}

void Locator::setStatus(bool locating, bool approximate, bool failed) {
    if (locating == m_locating && approximate == m_approximate && failed == m_failed)
        return;
    m_locating = locating;
    m_approximate = approximate;
    m_failed = failed;
    Q_EMIT statusChanged();
}

void Locator::didUpdateHeading(double trueHeading, double magneticHeading) {
    const std::optional<double> next = trueHeading >= 0       ? std::optional<double>(trueHeading)
                                       : magneticHeading >= 0 ? std::optional<double>(magneticHeading)
                                                              : m_heading;
    if (next != m_heading) {
        m_heading = next;
        Q_EMIT headingChanged();
    }
}

void Locator::startCurrentLocation() {
    logLine(QStringLiteral("LOC7. Manual Start Location Services"));
    logLine(QStringLiteral("LOC7A. Setting useCurrentLocation to true."));
    m_useCurrentLocation = true;
    setText(QStringLiteral(" "));
    setLocation(std::nullopt);
    setZone(TimeZone::current());
    setStatus(false, false, false);
    handleAuthorizationStatus(m_manager.authorizationStatus());
}

void Locator::lookUpPlace(const GeoPoint &point) {
    m_geocoder.reverseGeocode(point,
                              [this](const std::optional<QList<Placemark>> &placemarks,
                                     const std::optional<QString> &error) { geocoded(placemarks, error); });
}

void Locator::geocoded(const std::optional<QList<Placemark>> &placemarks,
                       const std::optional<QString> &error) {
    if (error || !placemarks || placemarks->isEmpty()) {
        logLineLater(error ? QStringLiteral("Reverse geocode failed with error.")
                           : QStringLiteral("No placemarks returned."));
        setText(QStringLiteral("-"));
        setZone(TimeZone::current());
        saveLocation();
        return;
    }
    const Placemark &p = placemarks->first();
    setText(placeText(p));
    const auto zone = p.timeZone ? TimeZone::named(p.timeZone->toStdString()) : std::nullopt;
    setZone(zone.value_or(TimeZone::current()));
    saveLocation();
}

QString Locator::placeText(const Placemark &p) {
    QString text;
    int parts = 0;
    if (p.locality) {
        text += *p.locality;
        ++parts;
    }
    if (p.administrativeArea) {
        if (parts == 1)
            text += QStringLiteral(", ");
        text += *p.administrativeArea;
        ++parts;
    }
    if (p.country && parts < 2) {
        if (parts == 1)
            text += QStringLiteral(", ");
        text += *p.country;
    }
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

void Locator::saveLocation() {
    if (m_location) {
        m_defaults.setDouble(kLatitudeKey, m_location->latitude());
        m_defaults.setDouble(kLongitudeKey, m_location->longitude());
    }
    m_defaults.setString(kTextKey, m_text);
    m_defaults.setString(kZoneKey, timezoneName());
    logLine(QStringLiteral("LOC10. Saved location on device"));
}

void Locator::loadLocation() {
    setStatus(false, m_approximate, m_failed); // whatever asked for it, no fix is awaited any more
    const double latitude = m_defaults.doubleForKey(kLatitudeKey),
                 longitude = m_defaults.doubleForKey(kLongitudeKey);
    // Nothing saved yet (0°, 0° is no place anyone saved): the approximate place beats the Gulf of Guinea.
    if (!(latitude == 0.0 && longitude == 0.0) || !useApproximatePlace()) {
        setLocation(GeoPoint{Longitude(longitude), Latitude(latitude)});
        const auto zone = TimeZone::named(m_defaults.stringForKey(kZoneKey).toStdString());
        setZone(zone.value_or(TimeZone::current()));
        const QString text = m_defaults.stringForKey(kTextKey);
        setText(text.isNull() ? localized(QT_TRANSLATE_NOOP("Lunafold", "Saved Location")) : text);
        setStatus(m_locating, false, m_failed);
    }
    logLine(QStringLiteral("LOC11. Loaded location from device"));
}

void Locator::setChosenLocation(double latitude, double longitude) {
    setChosenLocation(GeoPoint{Longitude(longitude), Latitude(latitude)});
}

void Locator::setChosenLocation(const GeoPoint &point) {
    const double latitude = point.latitude(), longitude = point.longitude();
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90 ||
        std::abs(longitude) > 180)
        return;
    // A place chosen while a fix is awaited wins: the fix would otherwise replace it.
    if (m_locating) {
        logLine(QStringLiteral("LOC6. Stopping Location Services"));
        m_manager.stopUpdatingLocation();
    }
    setLocation(point);
    setStatus(false, false, false);
    saveLocation();
    lookUpPlace(point);
    Q_EMIT placeChosen();
}

void Locator::setFixedPlace(const GeoPoint &point, const TimeZone &zone) {
    setLocation(point);
    setStatus(false, false, false);
    m_geocoder.reverseGeocode(point, [this](const std::optional<QList<Placemark>> &placemarks,
                                            const std::optional<QString> &) {
        setText(placemarks && !placemarks->isEmpty() ? placeText(placemarks->first()) : QStringLiteral("-"));
    });
    setZone(zone);
}

namespace {
std::atomic<Locator *> g_shared{nullptr};
}

Locator *Locator::shared() {
    return g_shared;
}
void Locator::setShared(Locator *locator) {
    g_shared = locator;
}

void Locator::setLocation(std::optional<GeoPoint> point) {
    const bool same = point == m_location;
    m_location = point;
    if (!same)
        Q_EMIT currentLocationChanged();
}

void Locator::setText(const QString &text) {
    if (text == m_text)
        return;
    m_text = text;
    Q_EMIT friendlyLocationTextChanged();
}

void Locator::setZone(const TimeZone &zone) {
    if (zone == m_zone)
        return;
    m_zone = zone;
    Q_EMIT timezoneChanged();
}

} // namespace lunafold
