// SPDX-License-Identifier: MIT
#pragma once

#include "LocationPlatform.h"

#include <QObject>

class QGeoPositionInfoSource;
class QIODevice;

namespace lunafold {

class Locator;

/// The device location through Qt Positioning (geoclue2 on Linux), or an NMEA replay for demos
/// and tests. Qt 6.4 has no permission API: a missing source reads as restricted, an access
/// error as denied, anything else as granted; a time-out or other error is a failure report.
class QtLocationManager : public QObject, public LocationManager {
    Q_OBJECT

public:
    /// @param nmeaReplayFile when not empty, positions are replayed from this NMEA log instead
    explicit QtLocationManager(const QString &nmeaReplayFile = {}, QObject *parent = nullptr);

    /// Reports go to @p locator; the current authorisation is reported once, from the event loop.
    void attach(Locator *locator);

    LocationAuthorization authorizationStatus() const override;
    void requestWhenInUseAuthorization() override;
    void startUpdatingLocation() override;
    void stopUpdatingLocation() override;

private:
    void reportAuthorization();

    QGeoPositionInfoSource *m_source = nullptr;
    bool m_replay = false;
    Locator *m_locator = nullptr;
};

} // namespace lunafold
