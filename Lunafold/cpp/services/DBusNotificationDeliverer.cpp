// SPDX-License-Identifier: MIT
#include "DBusNotificationDeliverer.h"

#include "common/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDir>
#include <QVariantMap>

namespace lunafold {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

DBusNotificationDeliverer::DBusNotificationDeliverer(QString soundDirectory)
    : m_soundDirectory(std::move(soundDirectory)) {}

bool DBusNotificationDeliverer::deliver(const NotificationRequest &request) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        logLine(QStringLiteral("Notification service unavailable: no session bus"));
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("lunafold")},
                      {QStringLiteral("category"), QStringLiteral("x-lunafold.phase")}};
    const QString soundFile = QDir(m_soundDirectory).filePath(request.sound);
    if (m_play)
        hints.insert(QStringLiteral("suppress-sound"), true);
    else if (!m_soundDirectory.isEmpty())
        hints.insert(QStringLiteral("sound-file"), soundFile);
    // The notices have no title of their own: the app's name stands in the summary line.
    call << QStringLiteral("Lunafold") << quint32(0) << QString() << QStringLiteral("Lunafold") << request.body
         << QStringList() << hints << qint32(-1);
    const QDBusReply<quint32> reply = bus.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        logLine(QStringLiteral("Notification service unavailable: ") + reply.error().message());
        return false;
    }
    setBadge(request.badge);
    if (m_play)
        m_play(soundFile);
    return true;
}

void DBusNotificationDeliverer::setBadge(int count) {
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/app/lunafold"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    signal << QStringLiteral("application://lunafold.desktop")
           << QVariantMap{{QStringLiteral("count"), qint64(count)}, {QStringLiteral("count-visible"), count > 0}};
    QDBusConnection::sessionBus().send(signal);
}

} // namespace lunafold
