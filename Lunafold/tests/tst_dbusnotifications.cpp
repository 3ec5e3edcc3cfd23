// SPDX-License-Identifier: MIT
// Delivery through the desktop's notification service, against a fake one on a private session
// bus (the test runs under dbus-run-session).
#include "notices/DBusNotificationDeliverer.h"
#include "notices/LocalNotificationCenter.h"

#include <QDBusConnection>
#include <QTemporaryDir>
#include <QtTest>

#include "FakeNotifications.h"

using namespace lunafold;

class BadgeWatcher : public QObject {
    Q_OBJECT
  public:
    qint64 count = -1;
  public Q_SLOTS:
    void update(const QString &, const QVariantMap &properties) {
        count = properties.value(u"count"_qs).toLongLong();
    }
};

class TestDBusNotifications : public QObject {
    Q_OBJECT

    NotificationRequest request(Instant fire, const QString &body) {
        const LocalDateTime trigger = TimeZone::current().localDateTime(fire);
        return {u"id-"_qs + body, body, u"wolfhowl.caf"_qs, 1, fire, trigger};
    }

  private Q_SLOTS:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session");
    }

    void noticesReachTheServiceAtTheirInstant() {
        FakeNotifications service;
        BadgeWatcher badge;
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(u"/org/freedesktop/Notifications"_qs, &service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_qs));
        QVERIFY(bus.connect(QString(), u"/app/lunafold"_qs, u"com.canonical.Unity.LauncherEntry"_qs,
                            u"Update"_qs, &badge, SLOT(update(QString, QVariantMap))));

        DBusNotificationDeliverer deliverer(u"/usr/share/lunafold/sounds"_qs);
        QTemporaryDir dir;
        LocalNotificationCenter center(dir.filePath(u"p.json"_qs), deliverer);
        const Instant soon =
            Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0 + 0.3);
        center.add(request(soon, u"Full Moon is exactly now."_qs), {});
        center.add(request(soon.plusSeconds(86400), u"tomorrow"_qs), {});
        QVERIFY(service.bodies.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(service.bodies, QStringList{u"Full Moon is exactly now."_qs}, 5000);
        QCOMPARE(service.lastHints.value(u"sound-file"_qs).toString(),
                 u"/usr/share/lunafold/sounds/wolfhowl.caf"_qs);
        QCOMPARE(center.pending().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(badge.count, qint64(1), 5000);
        deliverer.setBadge(0);
        QTRY_COMPARE_WITH_TIMEOUT(badge.count, qint64(0), 5000);

        // The app plays the sound itself and asks the desktop to stay silent. (What the scheduler
        // hands over, and that the rest survives a restart, is tst_notifications'.)
        QStringList played;
        deliverer.setSoundPlayer([&played](const QString &sound) { played << sound; });
        center.add(request(Instant::trusted(1e9), u"due"_qs), {});
        center.deliverDue();
        QCOMPARE(service.bodies.last(), u"due"_qs);
        QTRY_COMPARE(played, QStringList{u"/usr/share/lunafold/sounds/wolfhowl.caf"_qs});
        QCOMPARE(service.lastHints.value(u"suppress-sound"_qs).toBool(), true);
        QVERIFY(!service.lastHints.contains(u"sound-file"_qs));
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifications)
#include "tst_dbusnotifications.moc"
