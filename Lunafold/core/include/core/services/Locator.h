// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/TimeZone.h"
#include "core/geo/ApproximatePlace.h"
#include "core/services/LocationPlatform.h"

#include <QObject>

namespace lunafold {

class UserDefaults;

/// The observer's place for every screen: the device's fix (once per request) or the saved one,
/// its place text from reverse geocoding, its time zone, and the compass heading.
class Locator : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasLocation READ hasLocation NOTIFY currentLocationChanged)
    Q_PROPERTY(double latitude READ latitude NOTIFY currentLocationChanged)
    Q_PROPERTY(double longitude READ longitude NOTIFY currentLocationChanged)
    Q_PROPERTY(QString friendlyLocationText READ friendlyLocationText NOTIFY friendlyLocationTextChanged)
    Q_PROPERTY(QString timezoneName READ timezoneName NOTIFY timezoneChanged)
    Q_PROPERTY(
        bool locationServicesAvailable READ locationServicesAvailable NOTIFY locationServicesAvailableChanged)
    Q_PROPERTY(bool hasHeading READ hasHeading NOTIFY headingChanged)
    Q_PROPERTY(double heading READ headingDegrees NOTIFY headingChanged)
    Q_PROPERTY(bool locating READ locating NOTIFY statusChanged)
    Q_PROPERTY(bool approximate READ approximate NOTIFY statusChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY statusChanged)

  public:
    /// Registers the location defaults; requests nothing until the first authorisation report.
    Locator(LocationManager &manager, Geocoder &geocoder, UserDefaults &defaults, bool useCurrentLocation,
            QObject *parent = nullptr);

    std::optional<GeoPoint> currentLocation() const { return m_location; }
    bool hasLocation() const { return m_location.has_value(); }
    double latitude() const { return m_location ? m_location->latitude() : 0.0; }
    double longitude() const { return m_location ? m_location->longitude() : 0.0; }
    QString friendlyLocationText() const { return m_text; }
    TimeZone timezone() const { return m_zone; }
    QString timezoneName() const { return QString::fromStdString(m_zone.name()); }
    bool locationServicesAvailable() const { return m_servicesAvailable; }
    std::optional<double> heading() const { return m_heading; }
    bool hasHeading() const { return m_heading.has_value(); }
    double headingDegrees() const { return m_heading.value_or(0.0); }
    LocationManager &locationManager() { return m_manager; }
    /// A fix is awaited from the device.
    bool locating() const { return m_locating; }
    /// The place in use is the approximate one of the device's time zone.
    bool approximate() const { return m_approximate; }
    /// The last request for the device's position failed.
    bool failed() const { return m_failed; }

    /// The place to use until the first fix, and when nothing was ever saved (the app gives the
    /// principal location of the device's zone); none by default.
    void setApproximatePlace(const std::optional<ApproximatePlace> &place) { m_approximatePlace = place; }

    // Reports from the location service.
    void didChangeAuthorization(LocationAuthorization status);
    void didUpdateLocations(const QList<LocationFix> &fixes, Instant now);
    void didFailWithError(const QString &description);
    void didUpdateHeading(double trueHeading, double magneticHeading);

    void handleAuthorizationStatus(LocationAuthorization status);
    Q_INVOKABLE void startCurrentLocation();
    /// Stops waiting for a fix; the place in use stays (the approximate or saved one).
    Q_INVOKABLE void cancelLocating();
    void lookUpPlace(const GeoPoint &point);
    Q_INVOKABLE void saveLocation();
    Q_INVOKABLE void loadLocation();
    /// Takes a chosen point (the map): the coordinate, saved, then its place looked up.
    void setChosenLocation(const GeoPoint &point);
    /// As above, for QML; an out-of-range point is ignored.
    Q_INVOKABLE void setChosenLocation(double latitude, double longitude);
    /// A place given from outside (screenshots, demos): its zone as given, its name looked up,
    /// nothing saved.
    void setFixedPlace(const GeoPoint &point, const TimeZone &zone);

    /// The app's instance, once start-up has made one; nullptr before.
    static Locator *shared();
    static void setShared(Locator *locator);

    /// "Locality, Area", "Locality, Country", "Area, Country", "Country" or " ".
    static QString placeText(const Placemark &placemark);

  Q_SIGNALS:
    void currentLocationChanged();
    void friendlyLocationTextChanged();
    void timezoneChanged();
    void locationServicesAvailableChanged();
    void headingChanged();
    void statusChanged();
    /// The user chose a place (map or search); it has been saved and looked up.
    void placeChosen();

  private:
    void setLocation(std::optional<GeoPoint> point);
    void setText(const QString &text);
    void setZone(const TimeZone &zone);
    void geocoded(const std::optional<QList<Placemark>> &placemarks, const std::optional<QString> &error);
    void beginLocating();
    void setStatus(bool locating, bool approximate, bool failed);
    bool useApproximatePlace();

    LocationManager &m_manager;
    Geocoder &m_geocoder;
    UserDefaults &m_defaults;
    bool m_useCurrentLocation;
    std::optional<GeoPoint> m_location;
    QString m_text = QStringLiteral(" ");
    TimeZone m_zone = TimeZone::current();
    bool m_servicesAvailable = false;
    std::optional<double> m_heading;
    std::optional<ApproximatePlace> m_approximatePlace;
    bool m_locating = false, m_approximate = false, m_failed = false;
};

} // namespace lunafold
