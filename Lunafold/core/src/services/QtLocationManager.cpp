// SPDX-License-Identifier: MIT
#include "core/services/QtLocationManager.h"

#include "common/Log.h"
#include "core/services/Locator.h"

#include <QCompass>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGeoPositionInfoSource>
#include <QNmeaPositionInfoSource>
#include <QTimer>

namespace lunafold {
namespace {

constexpr int kFixTimeoutMs = 30000;

Instant nowInstant() {
    return Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0);
}

} // namespace

QString QtLocationManager::replayFileProblem(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    // Opening a pipe with no writer would block start-up for good; a device never ends.
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return probe.errorString();
    return {};
}

QtLocationManager::QtLocationManager(const QString &nmeaReplayFile, QObject *parent) : QObject(parent) {
    if (!nmeaReplayFile.isEmpty()) {
        auto *file = new QFile(nmeaReplayFile, this);
        if (const QString problem = replayFileProblem(nmeaReplayFile); !problem.isEmpty()) {
            // No position at all rather than the device's: a replay was asked for.
            logLine(QStringLiteral("NMEA replay file cannot be used (%1): %2").arg(problem, nmeaReplayFile));
        } else if (file->open(QIODevice::ReadOnly)) {
            auto *nmea = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::SimulationMode, this);
            nmea->setDevice(file);
            m_source = nmea;
            m_replay = true;
        }
    } else {
        m_source = QGeoPositionInfoSource::createDefaultSource(this);
    }
    if (!m_source)
        return;
    connect(m_source, &QGeoPositionInfoSource::positionUpdated, this, [this](const QGeoPositionInfo &info) {
        if (!m_locator || !info.isValid())
            return;
        // A replayed log carries the dates it was recorded on; it stands in for a live device.
        const Instant stamp =
            m_replay ? nowInstant()
                     : Instant::trusted(static_cast<double>(info.timestamp().toMSecsSinceEpoch()) / 1000.0);
        m_locator->didUpdateLocations({{info.coordinate().latitude(), info.coordinate().longitude(), stamp}},
                                      nowInstant());
    });
    connect(m_source, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
                if (!m_locator)
                    return;
                if (error == QGeoPositionInfoSource::AccessError) {
                    m_locator->didChangeAuthorization(LocationAuthorization::denied);
                    return;
                }
                m_locator->didFailWithError(error == QGeoPositionInfoSource::UpdateTimeoutError
                                                ? QStringLiteral("The location request timed out.")
                                                : QStringLiteral("The location service reported an error."));
            });
}

void QtLocationManager::attach(Locator *locator) {
    m_locator = locator;
    QTimer::singleShot(0, this, &QtLocationManager::reportAuthorization);
}

LocationAuthorization QtLocationManager::authorizationStatus() const {
    if (!m_source)
        return LocationAuthorization::restricted;
    if (m_source->error() == QGeoPositionInfoSource::AccessError)
        return LocationAuthorization::denied;
    return LocationAuthorization::authorizedWhenInUse;
}

void QtLocationManager::requestWhenInUseAuthorization() {
    // Nothing to ask on this platform: answer with what we know.
    QTimer::singleShot(0, this, &QtLocationManager::reportAuthorization);
}

void QtLocationManager::startUpdatingLocation() {
    if (!m_source)
        return;
    m_source->setUpdateInterval(1000);
    m_source->startUpdates();
    if (!m_replay)
        QTimer::singleShot(kFixTimeoutMs, this, [this] {
            // No fix in time counts as a failure, like a time-out of the source itself.
            if (m_locator && !m_locator->hasLocation())
                m_locator->didFailWithError(QStringLiteral("The location request timed out."));
        });
}

void QtLocationManager::stopUpdatingLocation() {
    if (m_source)
        m_source->stopUpdates();
}

QString QtLocationManager::replayFileFromEnvironment() {
    return qEnvironmentVariable("LUNAFOLD_NMEA_FILE");
}

bool QtLocationManager::headingAvailable() const {
    return !QSensor::sensorsForType(QCompass::sensorType).isEmpty();
}

void QtLocationManager::startUpdatingHeading() {
    if (!headingAvailable())
        return;
    if (!m_compass) {
        m_compass = new QCompass(this);
        connect(m_compass, &QCompass::readingChanged, this, [this] {
            if (m_locator && m_compass->reading())
                m_locator->didUpdateHeading(m_compass->reading()->azimuth(), -1.0);
        });
    }
    m_compass->start();
}

void QtLocationManager::stopUpdatingHeading() {
    if (m_compass)
        m_compass->stop();
}

void QtLocationManager::reportAuthorization() {
    if (m_locator)
        m_locator->didChangeAuthorization(authorizationStatus());
}

} // namespace lunafold
