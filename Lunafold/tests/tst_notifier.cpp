// SPDX-License-Identifier: MIT
// The resident notifier and the app as real processes on a private session bus, with a fake
// notification service here: each notice reaches it exactly once, whoever runs, quits or crashes.
#include "notices/AppIds.h"
#include "notices/LocalNotificationCenter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "FakeNotifications.h"

using namespace lunafold;

namespace {

// Stands in for a running app window: records what it is asked to show.
class FakeApp : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

  public:
    QStringList actions;

  public Q_SLOTS:
    void ActivateAction(const QString &action, const QVariantList &, const QVariantMap &) {
        actions << action;
    }
};

class NeverShown : public NotificationDeliverer {
  public:
    bool deliver(const NotificationRequest &) override { return false; }
    void setBadge(int) override {}
};

} // namespace

class TestNotifier : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeNotifications m_service;
    NeverShown m_never;
    std::unique_ptr<LocalNotificationCenter> m_writer; // what the app's settings screen would do
    std::vector<std::unique_ptr<QProcess>> m_processes;

    QDBusConnection bus() { return QDBusConnection::sessionBus(); }

    void serviceUp(bool up) {
        if (up) {
            QVERIFY(bus().registerObject(u"/org/freedesktop/Notifications"_qs, &m_service,
                                         QDBusConnection::ExportAllSlots));
            QVERIFY(bus().registerService(u"org.freedesktop.Notifications"_qs));
        } else {
            bus().unregisterService(u"org.freedesktop.Notifications"_qs);
            bus().unregisterObject(u"/org/freedesktop/Notifications"_qs);
        }
    }
    QProcess *start(const QString &program, const QStringList &args = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LUNAFOLD_DATA_DIR"_qs, m_dir->filePath(u"data"_qs));
        env.insert(u"LUNAFOLD_CONFIG_DIR"_qs, m_dir->filePath(u"config"_qs));
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(program, args);
        if (!p->waitForStarted(5000))
            return nullptr;
        m_processes.push_back(std::move(p));
        return m_processes.back().get();
    }
    QProcess *startNotifier() { return start(QStringLiteral(LUNAFOLD_NOTIFIER)); }
    QProcess *startApp() {
        return start(QStringLiteral(LUNAFOLD_APP), {"--place", "48.8566,2.3522,Europe/Paris"});
    }
    static void crash(QProcess *p) {
        p->kill();
        p->waitForFinished(5000);
    }
    bool owned(QLatin1String name) { return bus().interface()->isServiceRegistered(name); }
    void addNotice(const QString &body, double inSeconds) {
        const Instant fire =
            Instant::trusted(static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0 + inSeconds);
        m_writer->add({body, body, u"wolfhowl.caf"_qs, 1, fire, TimeZone::current().localDateTime(fire)}, {});
    }
    // Exactly these bodies, once each: waits for them, then a while longer for a repeat.
    void expectShownOnce(const QStringList &bodies) {
        QTRY_COMPARE_WITH_TIMEOUT(m_service.bodies.size(), bodies.size(), 15000);
        QTest::qWait(2500);
        QCOMPARE(m_service.bodies, bodies);
    }

  private Q_SLOTS:
    void initTestCase() {
        if (!bus().isConnected())
            QSKIP("no session bus: run under dbus-run-session");
    }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_writer =
            std::make_unique<LocalNotificationCenter>(m_dir->filePath(u"data/"_qs + kPendingFileName),
                                                      m_never, std::function<Instant()>(), nullptr, false);
        m_service.bodies.clear();
    }
    void cleanup() {
        for (auto &p : m_processes) {
            p->terminate();
            if (!p->waitForFinished(5000))
                crash(p.get());
        }
        m_processes.clear();
        serviceUp(false);
        QTRY_VERIFY(!owned(kDelivererService) && !owned(kNotifierService) && !owned(kAppId));
    }

    void withTheWindowClosedANoticeArrivesOnce() {
        serviceUp(true);
        QVERIFY(startNotifier());
        QTRY_VERIFY(owned(kDelivererService));
        QProcess *second = startNotifier(); // one notifier per session: a second one leaves
        QVERIFY(second && second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        addNotice(u"Full Moon is exactly now."_qs, 2);
        expectShownOnce({u"Full Moon is exactly now."_qs});
        QCOMPARE(m_service.lastHints.value(u"desktop-entry"_qs).toString(), QString(kAppId));
        QCOMPARE(m_service.lastActions.value(0), u"default"_qs);

        // A click on the notice brings the running app forward on its Now tab.
        FakeApp app;
        QVERIFY(bus().registerObject(kAppObjectPath, &app, QDBusConnection::ExportAllSlots));
        QVERIFY(bus().registerService(kAppId));
        QDBusMessage click = QDBusMessage::createSignal(
            u"/org/freedesktop/Notifications"_qs, u"org.freedesktop.Notifications"_qs, u"ActionInvoked"_qs);
        click << uint(101) << u"default"_qs;
        QVERIFY(bus().send(click));
        QTRY_COMPARE(app.actions, QStringList{u"now"_qs});
        bus().unregisterService(kAppId);
        bus().unregisterObject(kAppObjectPath);
    }

    void appAndNotifierTogetherDeliverOnceAndCrashesRepeatNothing() {
        serviceUp(true);
        QProcess *app = startApp();
        QProcess *notifier = startNotifier();
        QVERIFY(app && notifier);
        QTRY_VERIFY_WITH_TIMEOUT(owned(kAppId) && owned(kNotifierService), 15000);
        addNotice(u"first"_qs, 2);
        expectShownOnce({u"first"_qs});

        // Killing either one hands the delivering on; restarting it shows nothing again.
        crash(app);
        QVERIFY(startApp());
        QTRY_VERIFY_WITH_TIMEOUT(owned(kAppId), 15000);
        crash(notifier);
        QVERIFY(startNotifier());
        QTRY_VERIFY(owned(kNotifierService));
        addNotice(u"second"_qs, 2);
        expectShownOnce({u"first"_qs, u"second"_qs});
    }

    void aNoticeHeldWhileTheServiceWasAbsentIsShownWhenItAppears() {
        QVERIFY(startNotifier());
        QTRY_VERIFY(owned(kDelivererService));
        addNotice(u"held"_qs, 1);
        QTest::qWait(3000);
        QVERIFY(m_service.bodies.isEmpty());
        QCOMPARE(m_writer->pending().size(), 1); // still pending, not dropped
        serviceUp(true);
        expectShownOnce({u"held"_qs});
    }
};

QTEST_GUILESS_MAIN(TestNotifier)
#include "tst_notifier.moc"
