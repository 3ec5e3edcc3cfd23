// SPDX-License-Identifier: MIT
#include "notices/NoticeDelivery.h"

#include "common/Log.h"
#include "common/ResourcePaths.h"
#include "notices/AppIds.h"
#include "notices/DBusNotificationDeliverer.h"
#include "notices/LocalNotificationCenter.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QProcess>

namespace lunafold {
namespace {

const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kBus = QStringLiteral("org.freedesktop.DBus");

} // namespace

NoticeDelivery::NoticeDelivery(LocalNotificationCenter &center, DBusNotificationDeliverer &deliverer,
                               QObject *parent)
    : QObject(parent), m_center(center), m_notices(deliverer), m_bus(QDBusConnection::sessionBus()) {
    if (!m_bus.isConnected()) {
        logLine(QStringLiteral("Notifications: no session bus; nothing can be shown"));
        return;
    }
    // NameAcquired and NameLost are sent to us alone; the match rules only let Qt route them.
    m_bus.connect(kBus, QStringLiteral("/org/freedesktop/DBus"), kBus, QStringLiteral("NameAcquired"), this,
                  SLOT(nameAcquired(QString)));
    m_bus.connect(kBus, QStringLiteral("/org/freedesktop/DBus"), kBus, QStringLiteral("NameLost"), this,
                  SLOT(nameLost(QString)));
    m_bus.connect(kNotifications, QStringLiteral("/org/freedesktop/Notifications"), kNotifications,
                  QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    auto *watcher =
        new QDBusServiceWatcher(kNotifications, m_bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &NoticeDelivery::notificationServiceAppeared);
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(prepareForSleep(bool)));

    const auto reply =
        m_bus.interface()->registerService(kDelivererService, QDBusConnectionInterface::QueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    setDeliverer(reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered);
}

NoticeDelivery::~NoticeDelivery() {
    // Hand the delivering on before the centre goes.
    if (m_deliverer)
        m_bus.interface()->unregisterService(kDelivererService);
}

void NoticeDelivery::setDeliverer(bool on) {
    if (on == m_deliverer)
        return;
    m_deliverer = on;
    m_center.setDelivering(on);
    Q_EMIT delivererChanged(on);
}

void NoticeDelivery::nameAcquired(const QString &name) {
    if (name == kDelivererService)
        setDeliverer(true);
}

void NoticeDelivery::nameLost(const QString &name) {
    if (name == kDelivererService)
        setDeliverer(false);
}

void NoticeDelivery::notificationServiceAppeared() {
    if (m_deliverer)
        m_center.deliverDue();
}

void NoticeDelivery::prepareForSleep(bool sleeping) {
    // Timers do not run during a suspend: what came due meanwhile is shown on resume, once.
    if (!sleeping && m_deliverer)
        m_center.deliverDue();
}

void NoticeDelivery::actionInvoked(uint id, const QString &action) {
    if (action == QLatin1String("default") && m_notices.isOurs(id))
        Q_EMIT noticeActivated();
}

void NoticeDelivery::openApp() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && bus.interface()->isServiceRegistered(kAppId)) {
        QDBusMessage call = QDBusMessage::createMethodCall(kAppId, kAppObjectPath,
                                                           QStringLiteral("org.freedesktop.Application"),
                                                           QStringLiteral("ActivateAction"));
        call << QStringLiteral("now") << QVariantList() << QVariantMap();
        bus.asyncCall(call);
        return;
    }
    const QString app = QDir(executableDirectory()).filePath(QStringLiteral("lunafold"));
    if (!QProcess::startDetached(app, {}))
        logLine(QStringLiteral("Notifications: cannot start ") + app);
}

} // namespace lunafold
