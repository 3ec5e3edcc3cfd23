// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/LocationPlatform.h"

#include <QObject>

class QGeoPositionInfoSource;
class QIODevice;
class QCompass;

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
    /// The replay log named by $LUNAFOLD_NMEA_FILE (demos and tests), or empty.
    static QString replayFileFromEnvironment();
    /// Why @p path cannot be replayed (missing, not a regular file, unreadable), or empty. An
    /// unusable log is reported in the log and leaves the manager without a source.
    static QString replayFileProblem(const QString &path);

    /// Reports go to @p locator; the current authorisation is reported once, from the event loop.
    void attach(Locator *locator);

    LocationAuthorization authorizationStatus() const override;
    void requestWhenInUseAuthorization() override;
    void startUpdatingLocation() override;
    void stopUpdatingLocation() override;
    bool headingAvailable() const override;
    void startUpdatingHeading() override;
    void stopUpdatingHeading() override;

  private:
    void reportAuthorization();

    QGeoPositionInfoSource *m_source = nullptr;
    QCompass *m_compass = nullptr;
    bool m_replay = false;
    Locator *m_locator = nullptr;
};

} // namespace lunafold
