// SPDX-License-Identifier: MIT
// lunafold-notifier: shows the due phase notices while the app's window is closed. Started at
// login (XDG autostart) or by D-Bus activation; Qt Core and D-Bus only, so it stays small. It
// sleeps until the next notice is due, re-reads the pending file when the app rewrites it, and
// hands the delivering to the app (or takes it back) through NoticeDelivery.
#include "common/Log.h"
#include "common/ResourcePaths.h"
#include "notices/AppIds.h"
#include "notices/DBusNotificationDeliverer.h"
#include "notices/LocalNotificationCenter.h"
#include "notices/NoticeDelivery.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

using namespace lunafold;

namespace {

// Desktop notification servers rarely play sounds: the sound server's own player does.
void playWithSoundServer(const QString &file) {
    for (const char *player : {"paplay", "pw-play"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!program.isEmpty() && QProcess::startDetached(program, {file}))
            return;
    }
    logLine(QStringLiteral("Notifications: no sound player (paplay, pw-play) for ") + file);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lunafold"));
    if (app.arguments().size() > 1) {
        std::fputs("usage: lunafold-notifier\n"
                   "Shows Lunafold's phase notices while the app is closed (started at login).\n",
                   app.arguments().value(1) == QLatin1String("--help") ? stdout : stderr);
        return app.arguments().value(1) == QLatin1String("--help") ? 0 : 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("lunafold-notifier: no session bus\n", stderr);
        return 1;
    }
    const auto claim =
        bus.interface()->registerService(kNotifierService, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!claim.isValid() || claim.value() != QDBusConnectionInterface::ServiceRegistered) {
        std::fputs("lunafold-notifier: already running\n", stderr);
        return 0;
    }

    // The session is over when its bus goes away: leave with it.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), &app,
                SLOT(quit()));

    DBusNotificationDeliverer deliverer(resourceDirectory(QStringLiteral("sounds"), "LUNAFOLD_SOUNDS_DIR"));
    deliverer.setSoundPlayer(playWithSoundServer);
    LocalNotificationCenter center(QDir(userDataDirectory()).filePath(kPendingFileName), deliverer, {},
                                   nullptr, false);
    NoticeDelivery delivery(center, deliverer);
    QObject::connect(&delivery, &NoticeDelivery::noticeActivated, &app, [] { NoticeDelivery::openApp(); });
    return app.exec();
}
