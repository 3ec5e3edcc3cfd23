// SPDX-License-Identifier: MIT
// The whole app in a real window (xvfb, a private session bus, a null sound sink), driven as a
// user would. A picture of every step goes to $LUNAFOLD_E2E_SHOTS (default: the build folder).
#include "common/UserDefaults.h"
#include "core/app/AppServices.h"
#include "core/services/Locator.h"
#include "notices/LocalNotificationCenter.h"
#include "ui/app/Application.h"
#include "ui/app/SoundPlayer.h"

#include "astronomy/AstroInterface.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include "FakeNotifications.h"

using namespace lunafold;

class TestEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeNotifications m_service;
    std::unique_ptr<Application> m_app;
    QString m_shots;
    int m_step = 0;

    QQuickWindow *window() { return m_app->window(); }
    QObject *mainView() { return window()->findChild<QObject *>(u"mainView"_qs); }
    int tab() { return mainView()->property("selectedTab").toInt(); }

    void shot(const QString &name) {
        QTest::qWait(300);
        const QImage image = window()->grabWindow();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(u"%1/%2-%3.png"_qs.arg(m_shots).arg(++m_step, 2, 10, QChar(u'0')).arg(name)));
    }
    // The centre of the visible item of that name, in window coordinates.
    QPoint centreOf(const char *objectName) {
        for (QQuickItem *item : window()->findChildren<QQuickItem *>(QString::fromLatin1(objectName))) {
            const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
            if (item->isVisible() && window()->contentItem()->contains(centre))
                return centre.toPoint();
        }
        return {};
    }
    void tap(const char *objectName) {
        // Pages slide in and out: wait for the item to come to rest in view.
        QTRY_VERIFY2_WITH_TIMEOUT(!centreOf(objectName).isNull(), objectName, 3000);
        QTest::qWait(400);
        const QPoint at = centreOf(objectName);
        QTest::mouseClick(window(), Qt::LeftButton, {}, at);
        QTest::qWait(150);
    }
    // The tab bar: five equal buttons along the bottom.
    void tapTab(int index) {
        QTest::mouseClick(window(), Qt::LeftButton, {},
                          QPoint(window()->width() * (2 * index + 1) / 10, window()->height() - 20));
        QCOMPARE(tab(), index);
    }
    int pending() { return int(m_app->services().center().pending().size()); }
    int pendingAbout(const char *event) {
        int n = 0;
        for (const NotificationRequest &r : m_app->services().center().pending())
            n += r.body.startsWith(QLatin1String(event));
        return n;
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("LUNAFOLD_CONFIG_DIR", m_dir.filePath(u"config"_qs).toLocal8Bit());
        qputenv("LUNAFOLD_DATA_DIR", m_dir.filePath(u"data"_qs).toLocal8Bit());
        qputenv("LUNAFOLD_SOUNDS_DIR", LUNAFOLD_SOUNDS);
        qputenv("LUNAFOLD_CACHE_DIR", m_dir.filePath(u"cache"_qs).toLocal8Bit());
        // Tests talk to no tile server but their own.
        QVERIFY(QDir().mkpath(m_dir.filePath(u"config"_qs)));
        UserDefaults(m_dir.filePath(u"config/lunafold.ini"_qs)).setBool(u"lunafold.onlineMap"_qs, false);
        m_shots = qEnvironmentVariable("LUNAFOLD_E2E_SHOTS", QStringLiteral(LUNAFOLD_E2E_SHOTS));
        QDir(m_shots).removeRecursively(); // pictures of this run only
        QDir().mkpath(m_shots);

        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(u"/org/freedesktop/Notifications"_qs, &m_service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_qs));

        // The app's clock starts ten seconds before the day-ahead notice of the next full moon.
        const Instant full = AstroInterface::getFullMoonNext(
            Instant::trusted(static_cast<double>(QDateTime::currentSecsSinceEpoch())));
        const QString start = QDateTime::fromSecsSinceEpoch(
                                  static_cast<qint64>(full.unixSeconds()) - 85973 - 10, QTimeZone::utc())
                                  .toString(Qt::ISODate);
        QString error;
        const auto options = LaunchOptions::parse(
            {"--place", "48.8566,2.3522,Europe/Paris", "--locale", "en_US", "--at", start}, &error);
        QVERIFY2(options, qPrintable(error));
        m_app = std::make_unique<Application>(*options, *qApp);
        QVERIFY(window());
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        // A first launch asks for the notification permission in the window; nothing is
        // scheduled before the answer.
        QTRY_VERIFY_WITH_TIMEOUT(!centreOf("permissionDialogAccept").isNull(), 5000);
        shot(u"permission"_qs);
        QCOMPARE(pending(), 0);
        tap("permissionDialogAccept");
        // The defaults: the day-ahead notices of the next four full and new moons; the first is
        // delivered through the desktop's service when the app's clock reaches it.
        QTRY_COMPARE_WITH_TIMEOUT(pending(), 8, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_service.bodies,
            QStringList{u"Full Moon is in less than 24 hours - counting down to the minute now."_qs}, 15000);
        QCOMPARE(pending(), 7);
        QFile decision(m_dir.filePath(u"data/notification-permission"_qs));
        QVERIFY(decision.open(QIODevice::ReadOnly));
        QCOMPARE(decision.readAll(), QByteArray("granted\n")); // remembered for the next launch
        shot(u"now"_qs);
    }

    // Swipes between the tabs are tst_mainview's.
    void tabsVisitEveryScreen() {
        QCOMPARE(tab(), 0);
        for (const auto &[index, name] :
             {std::pair{1, "rise-and-set"}, {2, "future"}, {3, "location"}, {4, "settings"}}) {
            tapTab(index);
            shot(QString::fromLatin1(name));
        }
    }

    // A point picked on the map becomes the place of every screen.
    void aPointOnTheMapMovesEveryFigure() {
        tapTab(3);
        auto *map = window()->findChild<QQuickItem *>(u"map"_qs);
        QObject *location = window()->findChild<QObject *>(u"locationModel"_qs);
        QObject *now = window()->findChild<QObject *>(u"nowModel"_qs);
        QObject *riseSet = window()->findChild<QObject *>(u"riseSetModel"_qs);
        QVERIFY(map && location && now && riseSet);
        const QString zoneBefore = QString::fromStdString(m_app->services().locator().timezone().name());
        const QVariant rowsBefore = location->property("coordinateRows");
        const QString pictureBefore = now->property("moonImageSource").toString();
        const QVariant riseSetBefore = riseSet->property("riseSetRows");

        // Zoom out to the whole world with the wheel, then tap a point a quarter of the map away.
        const QPointF centre = map->mapToScene(QPointF(map->width() / 2, map->height() / 2));
        for (int i = 0; i < 70; ++i) {
            QWheelEvent wheel(centre, window()->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QGuiApplication::sendEvent(window(), &wheel);
        }
        QTRY_VERIFY(map->property("zoomLevel").toDouble() < 3.0);
        QTest::qWait(300);
        const QPoint target = (centre + QPointF(-map->width() / 4, map->height() / 8)).toPoint();
        QTest::mouseClick(window(), Qt::LeftButton, {}, target);
        QTRY_VERIFY(QString::fromStdString(m_app->services().locator().timezone().name()) != zoneBefore);
        QTRY_VERIFY(location->property("coordinateRows") != rowsBefore);
        QTRY_VERIFY(!map->property("animating").toBool());
        shot(u"location-picked"_qs);

        tapTab(0);
        QTRY_VERIFY(now->property("moonImageSource").toString() != pictureBefore);
        shot(u"now-picked"_qs);
        tapTab(1);
        QTRY_VERIFY(riseSet->property("riseSetRows") != riseSetBefore);
        shot(u"rise-and-set-picked"_qs);
        tapTab(4);
    }

    void notificationSettingsChangeWhatIsPending() {
        tap("notificationSettingsRow");
        QTRY_VERIFY(!centreOf("fullToggle").isNull());
        shot(u"notifications"_qs);
        // The toggles reach the schedule; which notices each adds is tst_settings'.
        QVERIFY(pendingAbout("Full Moon") >= 3);
        tap("fullToggle");
        QTRY_COMPARE(pendingAbout("Full Moon"), 0);
        tap("quarterToggle");
        QTRY_VERIFY(pendingAbout("First Quarter") >= 3 && pendingAbout("Last Quarter") >= 3);
        shot(u"notifications-changed"_qs);

        // The calendar export asks where to save, then writes the phases with their alarms.
        tap("exportButton");
        QObject *dialog = window()->findChild<QObject *>(u"exportDialog"_qs);
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("visible").toBool());
        auto *path = window()->findChild<QQuickItem *>(u"exportDialogPath"_qs);
        QVERIFY(path && path->property("text").toString().endsWith(u"/Lunafold moon phases.ics"_qs));
        const QString file = m_dir.filePath(u"moon.ics"_qs);
        path->setProperty("text", file);
        shot(u"export-dialog"_qs);
        tap("exportDialogSave");
        QTRY_VERIFY(!dialog->property("visible").toBool());
        QFile ics(file);
        QVERIFY(ics.open(QIODevice::ReadOnly));
        QVERIFY(ics.readAll().count("BEGIN:VALARM") >= 3 * 12); // new moons and both quarters, a year

        tap("howlTestButton");
        QTRY_VERIFY(SoundPlayer::isPlaying());
        tap("backButton");
    }

    void aboutCarriesTheContactAddress() {
        tap("aboutRow");
        QObject *about = window()->findChild<QObject *>(u"aboutModel"_qs);
        QVERIFY(about);
        QTRY_COMPARE(about->property("notificationAuthStatus").toString(), u"authorized"_qs);
        const QString contact = about->property("contactUrl").toUrl().toString(QUrl::FullyEncoded);
        QVERIFY2(contact.contains(u"&notif=authorized&"_qs), qPrintable(contact));
        shot(u"about"_qs);
        tap("backButton");
    }

    void cleanupTestCase() { m_app.reset(); }
};

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    TestEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_endtoend.moc"
