// SPDX-License-Identifier: MIT
// The settings store and the scheduling of phase notices, against a recording notification centre.
#include "Fakes.h"
#include "astronomy/AstroInterface.h"
#include "common/SafeWrite.h"
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
    return {id, body, u"moonalert.caf"_qs, 1, fire, TimeZone::current().localDateTime(fire)};
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
    // @p on names the notices switched on, of: full new quarter 12 exact howl.
    void setFlags(const char *on) {
        const QStringList names = QString::fromLatin1(on).split(u' ');
        m_settings->setNotifyFull(names.contains(u"full"_qs));
        m_settings->setNotifyNew(names.contains(u"new"_qs));
        m_settings->setNotifyQuarter(names.contains(u"quarter"_qs));
        m_settings->setNotify12(names.contains(u"12"_qs));
        m_settings->setNotifyExact(names.contains(u"exact"_qs));
        m_settings->setNotifyHowl(names.contains(u"howl"_qs));
    }

  private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init() {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        m_store = std::make_unique<UserDefaults>(m_dir.filePath(u"prefs.ini"_qs), [](const QString &) {});
        m_settings = std::make_unique<SavedData>(*m_store);
    }
    void cleanup() {
        m_settings.reset();
        m_store.reset();
        QFile::remove(m_dir.filePath(u"prefs.ini"_qs));
    }

    void settingsPersistOnlyWhenSaved() {
        QVERIFY(m_settings->useCurrentLocation()); // the notices' defaults are checked by the schedule below
        QSignalSpy spy(m_settings.get(), &SavedData::notifyFullChanged);
        m_settings->setNotifyFull(false);
        m_settings->setNotifyQuarter(true);
        QCOMPARE(spy.count(), 1);
        // A new launch without save() reverts; after save() it keeps the change.
        SavedData unsaved(*m_store);
        QVERIFY(unsaved.notifyFull() && !unsaved.notifyQuarter());
        m_settings->save();
        QVERIFY(SavedData(*m_store).notifyQuarter());
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
        QCOMPARE(m_center.pending[0].badge, 1);
        QVERIFY(!QUuid::fromString(m_center.pending[0].identifier).isNull());
        QVERIFY(m_center.pending[0].identifier != m_center.pending[1].identifier);
        QCOMPARE(m_log, (QStringList{u"*** Notifications set are"_qs, u"Count: 8"_qs,
                                     u"*** Notifications rescheduled successfully."_qs}));
    }

    void noticesAlreadyDueAreSkipped() {
        // Ten hours before a full moon: its day-ahead and half-day-ahead notices are past.
        QCOMPARE(reschedule(kFull.plusSeconds(-36000)), 7);
        setFlags("full 12 exact");
        QCOMPARE(reschedule(kFull.plusSeconds(-36000)), 4 * 3 - 2);
        QCOMPARE(m_center.pending[0].body, u"Full Moon is exactly now."_qs);
        QCOMPARE(m_center.pending[0].fireInstant, kFull.plusSeconds(-413));
    }

    void flagCombinations() {
        const std::pair<const char *, int> cases[] = {
            {"full new quarter 12 exact howl", 48}, {"quarter", 8}, {"howl", 0}, {"full 12", 8}};
        for (const auto &[on, count] : cases) {
            setFlags(on);
            QVERIFY2(reschedule(kQuiet) == count, on);
            const QString sound = QByteArray(on).contains("howl") ? u"wolfhowl.caf"_qs : u"moonalert.caf"_qs;
            for (const NotificationRequest &r : m_center.pending)
                QVERIFY2(r.sound == sound, on);
        }
    }

    void theTwelveKindsComeInTheirOrder() {
        setFlags("full new quarter 12 exact");
        QCOMPARE(reschedule(kQuiet), 48);
        QStringList first12; // the event, then the hours ahead
        for (int i = 0; i < 12; ++i) {
            const QString &body = m_center.pending[i].body;
            const int hours = body.contains(u"24 hours") ? 24 : body.contains(u"12 hours") ? 12 : 0;
            first12 << body.section(u' ', 0, 0) + QString::number(hours);
        }
        QCOMPARE(first12.join(u' '),
                 u"Full24 New24 Full12 New12 Full0 New0 First24 Last24 First12 Last12 First0 Last0"_qs);
        // All of occurrence k before any of occurrence k + 1.
        QCOMPARE(m_center.pending[12].fireInstant,
                 AstroInterface::getFullMoonNext(kFull.plusSeconds(86400)).plusSeconds(-85973));
    }

    void pendingRequestsSurviveARestartAndAreDeliveredWhenDue() {
        const QString file = m_dir.filePath(u"pending.json"_qs);
        RecordingDeliverer shown;
        Instant now = kQuiet;
        {
            LocalNotificationCenter center(file, shown, [&now] { return now; });
            center.add(requestAt(kQuiet.plusSeconds(7200), u"second"_qs), {});
            center.add(requestAt(kQuiet.plusSeconds(3600), u"first"_qs), {});
            center.add(requestAt(kQuiet.plusSeconds(86400), u"tomorrow"_qs), {});
        }
        now = kQuiet.plusSeconds(7200);
        LocalNotificationCenter restarted(file, shown, [&now] { return now; });
        // The two that came due while the app was closed are shown at start, in trigger order.
        QCOMPARE(shown.shown, (QStringList{u"first"_qs, u"second"_qs}));
        QCOMPARE(restarted.pending().size(), 1);
        QCOMPARE(restarted.pending()[0].fireInstant, kQuiet.plusSeconds(86400));
        restarted.removeAllPendingNotificationRequests();
        QVERIFY(LocalNotificationCenter(file, shown, [&now] { return now; }).pending().isEmpty());
    }

    // A due notice the desktop could not show survives the reschedule that starts every launch,
    // and is shown late, once, when showing works again.
    void aDueNoticeNotYetShownIsKeptAndShownOnceLater() {
        const QString file = m_dir.filePath(u"held.json"_qs);
        RecordingDeliverer desk;
        desk.working = false;
        Instant now = kQuiet;
        LocalNotificationCenter center(file, desk, [&now] { return now; });
        center.add(requestAt(kQuiet.plusSeconds(60), u"due"_qs), {});
        center.add(requestAt(kQuiet.plusSeconds(86400), u"tomorrow"_qs), {});
        now = kQuiet.plusSeconds(120);
        center.deliverDue();
        QCOMPARE(center.pending().size(), 2);
        center.removeAllPendingNotificationRequests();
        QCOMPARE(center.pending().size(), 1);
        desk.working = true;
        center.deliverDue();
        center.deliverDue();
        QCOMPARE(desk.shown, QStringList{u"due"_qs});
        QVERIFY(center.pending().isEmpty());
    }

    void anUnreadablePendingFileIsSetAside() {
        const QString file = m_dir.filePath(u"broken.json"_qs);
        QCOMPARE(writeFileSafely(file, "[{\"identifier\": "), QString());
        RecordingDeliverer shown;
        LocalNotificationCenter center(file, shown);
        QVERIFY(center.pending().isEmpty());
        QCOMPARE(QDir(m_dir.path()).entryList({u"broken.json.corrupt-*"_qs}).size(), 1);
        center.add(requestAt(kQuiet.plusSeconds(1e9), u"later"_qs),
                   [](const QString &error) { QVERIFY(error.isEmpty()); });
        QCOMPARE(LocalNotificationCenter(file, shown).pending().size(), 1);
    }

    void noticesAreTranslated() {
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        reschedule(kQuiet);
        QCOMPARE(m_center.pending[0].body,
                 u"Vollmond in weniger als 24 Stunden – ab jetzt läuft der Countdown auf die Minute."_qs);
    }
};

QTEST_GUILESS_MAIN(TestNotifications)
#include "tst_notifications.moc"
