// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"
#include <QObject>
#include <QPointer>
#include <QVariantList>

#include <optional>

namespace lunafold {

/// The Location screen: the place text, the Current Location button and the Coordinates rows,
/// rebuilt whenever the Locator publishes a change.
class LocationViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(lunafold::Locator *locator READ locator WRITE setLocator NOTIFY locatorChanged REQUIRED)
    Q_PROPERTY(QString placeText READ placeText NOTIFY refreshed)
    Q_PROPERTY(bool placeVisible READ placeVisible NOTIFY refreshed)
    Q_PROPERTY(QString currentLocationText READ currentLocationText NOTIFY refreshed)
    Q_PROPERTY(QString currentLocationIcon READ currentLocationIcon NOTIFY refreshed)
    Q_PROPERTY(QVariantList coordinateRows READ coordinateRows NOTIFY refreshed)
    Q_PROPERTY(QString statusText READ statusText NOTIFY refreshed)
    Q_PROPERTY(bool locating READ locating NOTIFY refreshed)

  public:
    /// @param locator the place to show; none: no place until one is set
    explicit LocationViewModel(Locator *locator = nullptr, QObject *parent = nullptr);

    Locator *locator() const { return m_locator; }
    /// The place the figures are for; none: no place.
    void setLocator(Locator *locator);

    QString placeText() const { return m_placeText; }
    bool placeVisible() const { return showsPlace(m_placeText); }
    /// "Current Location", or "Current Location unavailable" without location access.
    QString currentLocationText() const { return m_currentLocationText; }
    /// The button's icon in the app's icons: "location" or "location-slash".
    QString currentLocationIcon() const { return m_currentLocationIcon; }
    /// Latitude, Longitude and, with a coordinate, Time Zone; each a map with "label" and "value".
    QVariantList coordinateRows() const { return m_rows; }

    /// One line on where the place comes from: "Locating…", "Approximate, from your time zone",
    /// or why the device's position could not be had; empty otherwise.
    QString statusText() const { return m_statusText; }
    /// A fix is awaited (the screen offers to cancel).
    bool locating() const { return m_locating; }

    /// The button's action: back to the device's position.
    Q_INVOKABLE void startCurrentLocation();
    /// Stops waiting for the device's position.
    Q_INVOKABLE void cancelLocating();
    /// Reads everything again (the zone's abbreviation depends on the present instant).
    Q_INVOKABLE void refresh();

    /// Whether a place text is worth a line: not blank and not the geocoder's "-".
    static bool showsPlace(const QString &text);
    /// "%.4f° %@" with the absolute value and @p positive when @p value > 0, else @p negative.
    static QString coordinateText(double value, const char *positive, const char *negative);

  Q_SIGNALS:
    void locatorChanged();
    void refreshed();

  private:
    QPointer<Locator> m_locator;
    QString m_placeText, m_currentLocationText, m_currentLocationIcon, m_statusText;
    bool m_locating = false;
    QVariantList m_rows;
};

} // namespace lunafold
