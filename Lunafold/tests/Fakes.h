// SPDX-License-Identifier: MIT
#pragma once
// Stand-ins for the platform that record what they are asked, and instants written as ISO text.

#include "core/services/LocationPlatform.h"
#include "notices/NotificationCenter.h"

#include <QDateTime>
#include <QPair>

namespace lunafold::test {

inline Instant at(const QString &iso) {
    const QDateTime d = QDateTime::fromString(iso, Qt::ISODate);
    Q_ASSERT(d.isValid());
    return Instant::trusted(static_cast<double>(d.toMSecsSinceEpoch()) / 1000.0);
}

inline QString iso(Instant t) {
    return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(t.unixSeconds()), Qt::UTC).toString(Qt::ISODate);
}

/// A location service that never reports by itself; a compass only when told.
struct FakeDevice : LocationManager {
    LocationAuthorization status = LocationAuthorization::denied;
    bool compass = false;
    int requests = 0, starts = 0, stops = 0, headingStarts = 0, headingStops = 0;
    LocationAuthorization authorizationStatus() const override { return status; }
    void requestWhenInUseAuthorization() override { ++requests; }
    void startUpdatingLocation() override { ++starts; }
    void stopUpdatingLocation() override { ++stops; }
    bool headingAvailable() const override { return compass; }
    void startUpdatingHeading() override { ++headingStarts; }
    void stopUpdatingHeading() override { ++headingStops; }
};

/// Answers every point with @c answer (no placemarks unless told), or fails with @c error.
struct FakeGeocoder : Geocoder {
    std::optional<QList<Placemark>> answer = QList<Placemark>{};
    std::optional<QString> error;
    QList<QPair<double, double>> asked;
    void reverseGeocode(
        const GeoPoint &point,
        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
            completion) override {
        asked << qMakePair(point.latitude(), point.longitude());
        error ? completion(std::nullopt, error) : completion(answer, std::nullopt);
    }
};

/// Keeps what is scheduled and the badges set; every request succeeds.
struct RecordingCenter : NotificationCenter {
    QList<NotificationRequest> pending;
    QList<int> badges;
    int removals = 0;
    void removeAllPendingNotificationRequests() override {
        ++removals;
        pending.clear();
    }
    void add(const NotificationRequest &r, std::function<void(const QString &)> completion) override {
        pending << r;
        if (completion)
            completion(QString());
    }
    void setBadgeCount(int count) override { badges << count; }
};

} // namespace lunafold::test
