// SPDX-License-Identifier: MIT
// Delivery through the desktop's notification service, against a fake one on a private session
// bus (the test runs under dbus-run-session).
#include "astronomy/AstroInterface.h"
#include "common/UserDefaults.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "notices/DBusNotificationDeliverer.h"
#include "notices/LocalNotificationCenter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
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
        NotificationRequest r;
        r.identifier = QStringLiteral("id-") + body;
        r.body = body;
        r.sound = QStringLiteral("wolfhowl.caf");
        r.fireInstant = fire;
        r.trigger = TimeZone::current().localDateTime(fire);
        return r;
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

        // End to end on a clock we move: the default settings schedule eight notices into the
        // centre; the first is delivered through the bus when its instant comes, the other seven
        // survive a restart.
        QTemporaryDir store;
        UserDefaults defaults(store.filePath(QStringLiteral("prefs.ini")), [](const QString &) {});
        SavedData settings(defaults);
        Instant clock = Instant::trusted(1712836800); // 2024-04-11T12:00Z
        const QString file = store.filePath(QStringLiteral("pending.json"));
        service.bodies.clear();
        // The app plays the sound itself and asks the desktop to stay silent.
        QStringList played;
        deliverer.setSoundPlayer([&played](const QString &sound) { played << sound; });
        {
            LocalNotificationCenter scheduled(file, deliverer, [&clock] { return clock; });
            QCOMPARE(NotificationScheduler::rescheduleNotifications(
                         {&scheduled, &settings, [&clock] { return clock; }, [](const QString &) {}}),
                     8);
            clock = AstroInterface::getFullMoonNext(clock).plusSeconds(-85973 + 1);
            scheduled.deliverDue();
            QCOMPARE(service.bodies,
                     QStringList{QStringLiteral(
                         "Full Moon is in less than 24 hours - counting down to the minute now.")});
            QTRY_COMPARE(played, QStringList{QStringLiteral("/usr/share/lunafold/sounds/moonalert.caf")});
            QCOMPARE(service.lastHints.value(QStringLiteral("suppress-sound")).toBool(), true);
            QVERIFY(!service.lastHints.contains(QStringLiteral("sound-file")));
        }
        LocalNotificationCenter restarted(file, deliverer, [&clock] { return clock; });
        QCOMPARE(restarted.pending().size(), 7);
        QCOMPARE(service.bodies.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifications)
#include "tst_dbusnotifications.moc"
