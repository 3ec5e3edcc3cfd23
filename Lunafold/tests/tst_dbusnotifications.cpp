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
        count = properties.value(QStringLiteral("count")).toLongLong();
    }
};

class TestDBusNotifications : public QObject {
    Q_OBJECT

    NotificationRequest request(Instant fire, const QString &body) {
        const LocalDateTime trigger = TimeZone::current().localDateTime(fire);
        return {u"id-"_qs + body, body, QStringLiteral("wolfhowl.caf"), 1, fire, trigger};
    }

  private Q_SLOTS:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session");
    }

    void aMissingServiceIsReportedAndNothingIsLost() {
        DBusNotificationDeliverer deliverer;
        QTemporaryDir dir;
        const Instant past = Instant::trusted(1e9);
        LocalNotificationCenter center(dir.filePath(QStringLiteral("p.json")), deliverer);
        center.add(request(past, QStringLiteral("kept")), {});
        center.deliverDue();
        QCOMPARE(center.pending().size(), 1); // still pending, to be tried again
    }

    void noticesReachTheServiceAtTheirInstant() {
        FakeNotifications service;
        BadgeWatcher badge;
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        QVERIFY(bus.connect(QString(), QStringLiteral("/app/lunafold"),
                            QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"),
                            &badge, SLOT(update(QString, QVariantMap))));

        DBusNotificationDeliverer deliverer(QStringLiteral("/usr/share/lunafold/sounds"));
        QTemporaryDir dir;
        LocalNotificationCenter center(dir.filePath(QStringLiteral("p.json")), deliverer);
        const Instant soon =
            Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0 + 0.3);
        center.add(request(soon, QStringLiteral("Full Moon is exactly now.")), {});
        center.add(request(soon.plusSeconds(86400), QStringLiteral("tomorrow")), {});
        QVERIFY(service.bodies.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(service.bodies, QStringList{QStringLiteral("Full Moon is exactly now.")},
                                  5000);
        QCOMPARE(service.lastHints.value(QStringLiteral("sound-file")).toString(),
                 QStringLiteral("/usr/share/lunafold/sounds/wolfhowl.caf"));
        QCOMPARE(center.pending().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(badge.count, qint64(1), 5000);
        deliverer.setBadge(0);
        QTRY_COMPARE_WITH_TIMEOUT(badge.count, qint64(0), 5000);

        // The app plays the sound itself and asks the desktop to stay silent. (What the scheduler
        // hands over, and that the rest survives a restart, is tst_notifications'.)
        QStringList played;
        deliverer.setSoundPlayer([&played](const QString &sound) { played << sound; });
        center.add(request(Instant::trusted(1e9), QStringLiteral("due")), {});
        center.deliverDue();
        QCOMPARE(service.bodies.last(), QStringLiteral("due"));
        QTRY_COMPARE(played, QStringList{QStringLiteral("/usr/share/lunafold/sounds/wolfhowl.caf")});
        QCOMPARE(service.lastHints.value(QStringLiteral("suppress-sound")).toBool(), true);
        QVERIFY(!service.lastHints.contains(QStringLiteral("sound-file")));
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifications)
#include "tst_dbusnotifications.moc"
