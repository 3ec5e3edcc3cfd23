// SPDX-License-Identifier: MIT
#include "core/app/AppServices.h"

#include "common/ResourcePaths.h"
#include "common/UserDefaults.h"
#include "core/app/PermissionPrompt.h"
#include "core/geo/OfflineGeocoder.h"
#include "core/services/Locator.h"
#include "core/services/NotificationAuthorizer.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/QtLocationManager.h"
#include "notices/AppIds.h"
#include "notices/DBusNotificationDeliverer.h"
#include "notices/LocalNotificationCenter.h"
#include "notices/NoticeDelivery.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace lunafold {

QString AppServices::dataDirectory() {
    return userDataDirectory();
}

AppServices::AppServices(const Options &options, QObject *parent)
    : QObject(parent), m_prompt(std::make_unique<PermissionPrompt>()),
      m_deliverer(std::make_unique<DBusNotificationDeliverer>(options.soundDirectory)) {
    if (options.playSound) {
        m_deliverer->setSoundPlayer([play = options.playSound](const QString &file) {
            const QFileInfo info(file);
            play(info.completeBaseName(), info.suffix());
        });
    }
    const QString data = dataDirectory();
    QDir().mkpath(data);
    m_center = std::make_unique<LocalNotificationCenter>(QDir(data).filePath(kPendingFileName), *m_deliverer,
                                                         std::function<Instant()>(), nullptr, false);
    if (options.deliverNotices) {
        m_delivery = std::make_unique<NoticeDelivery>(*m_center, *m_deliverer);
        // The resident notifier takes over when the window closes; start it if the session has not.
        // One started by the bus reads the default data folder: not when another one is in use.
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected() && qEnvironmentVariableIsEmpty("LUNAFOLD_DATA_DIR"))
            bus.interface()->asyncCall(QStringLiteral("StartServiceByName"), QString(kNotifierService), 0u);
    }
    NotificationCenter::setCurrent(m_center.get());

    PermissionPrompt *prompt = m_prompt.get();
    NotificationAuthorizer::Prompt ask;
    if (options.interactive)
        ask = [prompt] { return prompt->ask(); };
    m_authorizer =
        std::make_unique<NotificationAuthorizer>(data + QStringLiteral("/notification-permission"), ask);
    NotificationAuthorizer::setCurrent(m_authorizer.get());

    // The places and zones load on a worker; the first lookup waits only if they are not ready yet.
    Q_ASSERT(options.places);
    if (!options.placesPreloadedByCaller)
        options.places->preload();
    m_geocoder = std::make_unique<OfflineGeocoder>(
        *options.places, options.language,
        options.placesPreloadedByCaller ? OfflineGeocoder::Unread::wait : OfflineGeocoder::Unread::read);
    QString nmea = options.nmeaReplayFile;
    if (!nmea.isEmpty()) {
        if (const QString problem = QtLocationManager::replayFileProblem(nmea); !problem.isEmpty())
            std::fprintf(stderr, "lunafold: --nmea: %s: %s\n", qPrintable(nmea), qPrintable(problem));
    }
    if (nmea.isEmpty())
        nmea = QtLocationManager::replayFileFromEnvironment();
    m_manager = std::make_unique<QtLocationManager>(nmea);
    m_locator = std::make_unique<Locator>(*m_manager, *m_geocoder, UserDefaults::standard(),
                                          options.useCurrentLocation);
    Locator::setShared(m_locator.get());
    m_locator->setApproximatePlace(
        ApproximatePlace::forZone(QString::fromStdString(TimeZone::current().name())));

    if (options.place)
        m_locator->setFixedPlace(*options.place, options.placeZone.value_or(TimeZone::current()));
    else
        m_manager->attach(m_locator.get());
}

AppServices::~AppServices() {
    m_delivery.reset();
    // A permission question still open would keep its worker thread waiting for ever.
    m_prompt->abandon();
    Locator::setShared(nullptr);
    NotificationCenter::setCurrent(nullptr);
    NotificationAuthorizer::setCurrent(nullptr);
}

} // namespace lunafold
