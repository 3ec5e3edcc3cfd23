// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/TimeZone.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace lunafold {

class DBusNotificationDeliverer;
class LocalNotificationCenter;
class Locator;
class NotificationAuthorizer;
class NoticeDelivery;
class OfflineGeocoder;
class PlaceData;
class PermissionPrompt;
class QtLocationManager;

/// The platform layers the running app uses, made once by the process entry and shared with
/// the screens: location and place names, the notification centre and its permission.
class AppServices : public QObject {
    Q_OBJECT

  public:
    struct Options {
        QString nmeaReplayFile; ///< positions replayed from this NMEA log instead of the device
        /// A fixed place (screenshots, demos): the location service is then not used.
        std::optional<GeoPoint> place;
        std::optional<TimeZone> placeZone;
        bool interactive = true;        ///< false: nobody can answer the permission question
        bool useCurrentLocation = true; ///< the saved choice: follow the device's position
        /// Whether this process may show due notices (never in screenshots): it then queues
        /// with the resident notifier to be the one that does.
        bool deliverNotices = true;
        QString soundDirectory;            ///< where the notices' sounds are
        QString language;                  ///< the screens' language ("de_DE"); place names follow it
        const PlaceData *places = nullptr; ///< the bundled places the geocoder reads (required)
        /// Whether the caller starts reading the places (PlaceData::preload()) when it likes, after
        /// the first frame: place names looked up before then come once they are read.
        bool placesPreloadedByCaller = false;
        /// Plays a delivered notice's sound (resource name and type); none: the desktop is asked to.
        std::function<void(const QString &name, const QString &type)> playSound;
    };

    explicit AppServices(const Options &options, QObject *parent = nullptr);
    ~AppServices() override;

    Locator &locator() { return *m_locator; }
    LocalNotificationCenter &center() { return *m_center; }
    NotificationAuthorizer &authorizer() { return *m_authorizer; }
    PermissionPrompt &permissionPrompt() { return *m_prompt; }
    /// Who shows the due notices; nullptr when this process never does.
    NoticeDelivery *noticeDelivery() { return m_delivery.get(); }

    /// Where the pending notifications and the permission answer are kept.
    static QString dataDirectory();

  private:
    std::unique_ptr<PermissionPrompt> m_prompt;
    std::unique_ptr<DBusNotificationDeliverer> m_deliverer;
    std::unique_ptr<LocalNotificationCenter> m_center;
    std::unique_ptr<NoticeDelivery> m_delivery;
    std::unique_ptr<NotificationAuthorizer> m_authorizer;
    std::unique_ptr<OfflineGeocoder> m_geocoder;
    std::unique_ptr<QtLocationManager> m_manager;
    std::unique_ptr<Locator> m_locator;
};

} // namespace lunafold
