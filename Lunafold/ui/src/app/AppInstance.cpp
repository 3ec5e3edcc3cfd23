// SPDX-License-Identifier: MIT
#include "ui/app/AppInstance.h"

#include "common/ResourcePaths.h"
#include "notices/AppIds.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>

namespace lunafold {

AppInstance::Claim AppInstance::claim() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QDir().mkpath(userDataDirectory());
        m_lock = std::make_unique<QLockFile>(QDir(userDataDirectory()).filePath(QStringLiteral("app.lock")));
        m_lock->setStaleLockTime(0); // held for the whole run: only a dead owner makes it stale
        return m_lock->tryLock(0) ? Claim::First : Claim::AlreadyRunning;
    }
    const auto reply = bus.interface()->registerService(kAppId, QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        bus.registerObject(kAppObjectPath, this, QDBusConnection::ExportAllSlots);
        return Claim::First;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kAppId, kAppObjectPath, QStringLiteral("org.freedesktop.Application"), QStringLiteral("Activate"));
    call << QVariantMap();
    const QDBusMessage answer = bus.call(call, QDBus::Block, 5000);
    return answer.type() == QDBusMessage::ReplyMessage ? Claim::Forwarded : Claim::AlreadyRunning;
}

void AppInstance::Activate(const QVariantMap &) {
    Q_EMIT activationRequested(false);
}

void AppInstance::ActivateAction(const QString &action, const QVariantList &, const QVariantMap &) {
    Q_EMIT activationRequested(action == QLatin1String("now"));
}

void AppInstance::Open(const QStringList &, const QVariantMap &) {
    Q_EMIT activationRequested(false);
}

} // namespace lunafold
