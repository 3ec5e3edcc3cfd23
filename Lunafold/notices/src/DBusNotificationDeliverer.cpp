// SPDX-License-Identifier: MIT
#include "notices/DBusNotificationDeliverer.h"

#include "notices/AppIds.h"

#include "common/Log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QTimer>
#include <QVariantMap>

namespace lunafold {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

DBusNotificationDeliverer::DBusNotificationDeliverer(QString soundDirectory)
    : m_soundDirectory(std::move(soundDirectory)) {}

bool DBusNotificationDeliverer::serverPlaysSounds() const {
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetCapabilities"));
    const QDBusReply<QStringList> reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
    return reply.isValid() && reply.value().contains(QStringLiteral("sound"));
}

bool DBusNotificationDeliverer::deliver(const NotificationRequest &request) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        logLine(QStringLiteral("Notification service unavailable: no session bus"));
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints{{QStringLiteral("desktop-entry"), QString(kAppId)},
                      {QStringLiteral("category"), QStringLiteral("x-lunafold.phase")}};
    const QString soundFile = QDir(m_soundDirectory).filePath(request.sound);
    const bool playHere = m_play && !serverPlaysSounds();
    if (playHere)
        hints.insert(QStringLiteral("suppress-sound"), true);
    else if (!m_soundDirectory.isEmpty())
        hints.insert(QStringLiteral("sound-file"), soundFile);
    // The notices have no title of their own: the app's name stands in the summary line. The
    // default action (a click on the notice) opens the app on its Now tab.
    call << QStringLiteral("Lunafold") << quint32(0) << QString(kAppId) << QStringLiteral("Lunafold")
         << request.body << QStringList{QStringLiteral("default"), QStringLiteral("Lunafold")} << hints
         << qint32(-1);
    const QDBusReply<quint32> reply = bus.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        logLine(QStringLiteral("Notification service unavailable: ") + reply.error().message());
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_shown.insert(reply.value());
    }
    setBadge(request.badge);
    // Played once the centre has recorded the delivery: a sound that fails must not repeat a notice.
    if (playHere)
        QTimer::singleShot(0, QCoreApplication::instance(), [play = m_play, soundFile] { play(soundFile); });
    return true;
}

bool DBusNotificationDeliverer::isOurs(quint32 id) const {
    std::lock_guard lock(m_mutex);
    return m_shown.contains(id);
}

void DBusNotificationDeliverer::setBadge(int count) {
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/app/lunafold"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    signal << QStringLiteral("application://%1.desktop").arg(kAppId)
           << QVariantMap{{QStringLiteral("count"), qint64(count)},
                          {QStringLiteral("count-visible"), count > 0}};
    QDBusConnection::sessionBus().send(signal);
}

} // namespace lunafold
