// SPDX-License-Identifier: MIT
// The settings store and the scheduling of phase notices, against a recording notification centre.
#include "Fakes.h"
#include "astronomy/AstroInterface.h"
#include "common/UserDefaults.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/text/Translations.h"
#include "notices/LocalNotificationCenter.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace lunafold;

namespace {

class RecordingDeliverer : public NotificationDeliverer {
  public:
    QStringList shown;
    bool working = true; ///< false: the desktop's service is away
    bool deliver(const NotificationRequest &r) override {
        if (!working)
            return false;
        shown << r.body;
        return true;
    }
    void setBadge(int) override {}
};

NotificationRequest requestAt(Instant fire, const QString &body) {
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return {id, body, QStringLiteral("moonalert.caf"), 1, fire, TimeZone::current().localDateTime(fire)};
}

const Instant kQuiet = Instant::trusted(1712836800);           // 2024-04-11T12:00Z: no phase within four days
const Instant kFull = AstroInterface::getFullMoonNext(kQuiet); // 2024-04-23T23:49Z

} // namespace

class TestNotifications : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    std::unique_ptr<SavedData> m_settings;
    test::RecordingCenter m_center;
    QStringList m_log;

    int reschedule(Instant now) {
        m_log.clear();
        return NotificationScheduler::rescheduleNotifications(
            {&m_center, m_settings.get(), [now] { return now; }, [this](const QString &l) { m_log << l; }});
    }
    void setFlags(bool full, bool fresh, bool quarter, bool twelve, bool exact, bool howl) {
        m_settings->setNotifyFull(full);
        m_settings->setNotifyNew(fresh);
        m_settings->setNotifyQuarter(quarter);
        m_settings->setNotify12(twelve);
        m_settings->setNotifyExact(exact);
        m_settings->setNotifyHowl(howl);
    }

  private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init() {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        m_store = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("prefs.ini")),
                                                 [](const QString &) {});
        m_settings = std::make_unique<SavedData>(*m_store);
    }
    void cleanup() {
        m_settings.reset();
        m_store.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("prefs.ini")));
    }

    void settingsPersistOnlyWhenSaved() {
        QVERIFY(m_settings->useCurrentLocation()); // the notices' defaults are checked by the schedule below
        QSignalSpy spy(m_settings.get(), &SavedData::notifyFullChanged);
        m_settings->setNotifyFull(false);
        m_settings->setNotifyQuarter(true);
        QCOMPARE(spy.count(), 1);
        // A new launch without save() reverts; after save() every flag is stored.
        SavedData unsaved(*m_store);
        QVERIFY(unsaved.notifyFull() && !unsaved.notifyQuarter());
        m_settings->save();
        SavedData relaunched(*m_store);
        QVERIFY(!relaunched.notifyFull() && relaunched.notifyQuarter() && relaunched.notifyNew());
        QVERIFY(m_store->contains(QStringLiteral("lunafold.usecurrloc")));
        QCOMPARE(m_store->doubleForKey(QStringLiteral("lunafold.calculationLatitude")), 0.0);
    }

    void defaultsAnnounceTheNextFourFullAndNewMoons() {
        QCOMPARE(reschedule(kQuiet), 8);
        QCOMPARE(m_center.removals, 1);
        const Instant newMoon = AstroInterface::getNewMoonNext(kQuiet);
        // Occurrence by occurrence, the full moon before the new moon, each 85,973 s ahead.
        for (int k = 0; k < 4; ++k) {
            QVERIFY(m_center.pending[2 * k].body.startsWith(u"Full Moon is in less than 24 hours"));
            QVERIFY(m_center.pending[2 * k + 1].body.startsWith(u"New Moon is in less than 24 hours"));
        }
        QCOMPARE(m_center.pending[0].fireInstant, kFull.plusSeconds(-85973));
        QCOMPARE(m_center.pending[1].fireInstant, newMoon.plusSeconds(-85973));
        QCOMPARE(m_center.pending[0].sound, QStringLiteral("moonalert.caf"));
        QCOMPARE(m_center.pending[0].badge, 1);
        QVERIFY(!QUuid::fromString(m_center.pending[0].identifier).isNull());
        QVERIFY(m_center.pending[0].identifier != m_center.pending[1].identifier);
        QCOMPARE(m_log, (QStringList{QStringLiteral("*** Notifications set are"), QStringLiteral("Count: 8"),
                                     QStringLiteral("*** Notifications rescheduled successfully.")}));
    }

    void noticesAlreadyDueAreSkipped() {
        // Ten hours before a full moon: its day-ahead and half-day-ahead notices are past.
        QCOMPARE(reschedule(kFull.plusSeconds(-36000)), 7);
        setFlags(true, false, false, true, true, false);
        QCOMPARE(reschedule(kFull.plusSeconds(-36000)), 4 * 3 - 2);
        QCOMPARE(m_center.pending[0].body, QStringLiteral("Full Moon is exactly now."));
        QCOMPARE(m_center.pending[0].fireInstant, kFull.plusSeconds(-413));
    }

    void flagCombinations_data() {
        QTest::addColumn<QList<bool>>("flags"); // full, new, quarter, 12 h, exact, howl
        QTest::addColumn<int>("count");
        QTest::newRow("everything") << QList<bool>{true, true, true, true, true, true} << 48;
        QTest::newRow("quarters only") << QList<bool>{false, false, true, false, false, false} << 8;
        QTest::newRow("extra notices without an event kind")
            << QList<bool>{false, false, false, true, true, false} << 0;
        QTest::newRow("howl alone") << QList<bool>{false, false, false, false, false, true} << 0;
        QTest::newRow("full with 12 h") << QList<bool>{true, false, false, true, false, false} << 8;
    }
    void flagCombinations() {
        QFETCH(QList<bool>, flags);
        QFETCH(int, count);
        setFlags(flags[0], flags[1], flags[2], flags[3], flags[4], flags[5]);
        QCOMPARE(reschedule(kQuiet), count);
        for (const NotificationRequest &r : m_center.pending)
            QCOMPARE(r.sound, flags[5] ? QStringLiteral("wolfhowl.caf") : QStringLiteral("moonalert.caf"));
    }

    void theTwelveKindsComeInTheirOrder() {
        setFlags(true, true, true, true, true, false);
        QCOMPARE(reschedule(kQuiet), 48);
        QStringList first12;
        for (int i = 0; i < 12; ++i) {
            const QString &body = m_center.pending[i].body;
            const QString notice = body.contains(QStringLiteral("24 hours"))   ? QStringLiteral("24")
                                   : body.contains(QStringLiteral("12 hours")) ? QStringLiteral("12")
                                                                               : QStringLiteral("0");
            first12 << body.section(u' ', 0, 1) + u'/' + notice;
        }
        QCOMPARE(first12,
                 (QStringList{"Full Moon/24", "New Moon/24", "Full Moon/12", "New Moon/12", "Full Moon/0",
                              "New Moon/0", "First Quarter/24", "Last Quarter/24", "First Quarter/12",
                              "Last Quarter/12", "First Quarter/0", "Last Quarter/0"}));
        // All of occurrence k before any of occurrence k + 1.
        QVERIFY(m_center.pending[12].fireInstant > m_center.pending[0].fireInstant);
        QCOMPARE(m_center.pending[12].fireInstant,
                 AstroInterface::getFullMoonNext(kFull.plusSeconds(86400)).plusSeconds(-85973));
    }

    void pendingRequestsSurviveARestartAndAreDeliveredWhenDue() {
        const QString file = m_dir.filePath(QStringLiteral("pending.json"));
        RecordingDeliverer shown;
        Instant now = kQuiet;
        {
            LocalNotificationCenter center(file, shown, [&now] { return now; });
            center.add(requestAt(kQuiet.plusSeconds(7200), QStringLiteral("second")), {});
            center.add(requestAt(kQuiet.plusSeconds(3600), QStringLiteral("first")), {});
            center.add(requestAt(kQuiet.plusSeconds(86400), QStringLiteral("tomorrow")), {});
        }
        now = kQuiet.plusSeconds(7200);
        LocalNotificationCenter restarted(file, shown, [&now] { return now; });
        // The two that came due while the app was closed are shown at start, in trigger order.
        QCOMPARE(shown.shown, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(restarted.pending().size(), 1);
        QCOMPARE(restarted.pending()[0].fireInstant, kQuiet.plusSeconds(86400));
        restarted.removeAllPendingNotificationRequests();
        QVERIFY(LocalNotificationCenter(file, shown, [&now] { return now; }).pending().isEmpty());
    }

    // A due notice the desktop could not show survives the reschedule that starts every launch,
    // and is shown late, once, when showing works again; a centre that is not the deliverer
    // (screenshots, a second process) shows nothing.
    void aDueNoticeNotYetShownIsKeptAndShownOnceLater() {
        const QString file = m_dir.filePath(QStringLiteral("held.json"));
        RecordingDeliverer desk;
        desk.working = false;
        Instant now = kQuiet;
        LocalNotificationCenter center(file, desk, [&now] { return now; });
        center.add(requestAt(kQuiet.plusSeconds(60), QStringLiteral("due")), {});
        center.add(requestAt(kQuiet.plusSeconds(86400), QStringLiteral("tomorrow")), {});
        now = kQuiet.plusSeconds(120);
        center.deliverDue();
        QCOMPARE(center.pending().size(), 2);
        center.removeAllPendingNotificationRequests();
        QCOMPARE(center.pending().size(), 1);

        desk.working = true;
        LocalNotificationCenter bystander(
            file, desk, [&now] { return now; }, nullptr, false);
        bystander.deliverDue();
        QVERIFY(desk.shown.isEmpty());
        center.deliverDue();
        center.deliverDue();
        bystander.setDelivering(true);
        QCOMPARE(desk.shown, QStringList{QStringLiteral("due")});
        QVERIFY(bystander.pending().isEmpty());
    }

    void anUnreadablePendingFileIsSetAside() {
        const QString file = m_dir.filePath(QStringLiteral("broken.json"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[{\"identifier\": ");
        f.close();
        RecordingDeliverer shown;
        LocalNotificationCenter center(file, shown);
        QVERIFY(center.pending().isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("broken.json.corrupt-*")}).size(), 1);
        center.add(requestAt(kQuiet.plusSeconds(1e9), QStringLiteral("later")),
                   [](const QString &error) { QVERIFY(error.isEmpty()); });
        QCOMPARE(LocalNotificationCenter(file, shown).pending().size(), 1);
    }

    void noticesAreTranslated() {
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        reschedule(kQuiet);
        QCOMPARE(m_center.pending[0].body,
                 QStringLiteral(
                     "Vollmond in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute."));
    }
};

QTEST_GUILESS_MAIN(TestNotifications)
#include "tst_notifications.moc"
