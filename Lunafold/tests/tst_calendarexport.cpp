// SPDX-License-Identifier: MIT
// The calendar export, read back by libical: the phases of the span, their alarms, the texts.
#include "Fakes.h"
#include "astronomy/AstroInterface.h"
#include "common/Localization.h"
#include "common/UserDefaults.h"
#include "core/services/CalendarExport.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/text/NoticeTexts.h"
#include "core/text/Translations.h"
#include "notices/LocalNotificationCenter.h"

#include <QTemporaryDir>
#include <QtTest>

#include <libical/ical.h>

#include <memory>

using namespace lunafold;

namespace {

struct Event {
    Instant start;
    QString summary, uid;
    QList<int> alarms; // offsets in seconds, negative: before the start
    QStringList texts; // what each alarm says
};

// Parses with libical and insists that it found nothing to complain about.
QList<Event> parse(const QString &text) {
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> cal(
        icalparser_parse_string(text.toUtf8().constData()), &icalcomponent_free);
    if (!cal)
        qFatal("libical could not parse the calendar");
    icalrestriction_check(cal.get());
    if (const int errors = icalcomponent_count_errors(cal.get()))
        qFatal("libical found %d errors:\n%s", errors, icalcomponent_as_ical_string(cal.get()));
    QList<Event> events;
    for (icalcomponent *ev = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(cal.get(), ICAL_VEVENT_COMPONENT)) {
        // Without an iTIP method libical checks no cardinalities, so the required ones are checked here.
        if (!icalcomponent_get_first_property(ev, ICAL_DTSTAMP_PROPERTY) || !icalcomponent_get_uid(ev))
            qFatal("an event lacks DTSTAMP or UID");
        Event e{Instant::trusted(static_cast<double>(icaltime_as_timet_with_zone(
                    icalcomponent_get_dtstart(ev), icaltimezone_get_utc_timezone()))),
                QString::fromUtf8(icalcomponent_get_summary(ev)),
                QString::fromUtf8(icalcomponent_get_uid(ev)),
                {},
                {}};
        for (icalcomponent *a = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT)) {
            const icalproperty *action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
            if (!action || icalproperty_get_action(action) != ICAL_ACTION_DISPLAY)
                qFatal("an alarm is not a display alarm");
            const icaltriggertype trigger =
                icalproperty_get_trigger(icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY));
            e.alarms << icaldurationtype_as_int(trigger.duration);
            e.texts << QString::fromUtf8(
                icalproperty_get_description(icalcomponent_get_first_property(a, ICAL_DESCRIPTION_PROPERTY)));
        }
        events << e;
    }
    return events;
}

using test::at;

const Instant kJanuary = at("2024-01-01T00:00:00Z"); // also the export's time stamp

} // namespace

class TestCalendarExport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    std::unique_ptr<SavedData> m_settings;

    void setFlags(bool full, bool fresh, bool quarter, bool twelve, bool exact) {
        m_settings->setNotifyFull(full);
        m_settings->setNotifyNew(fresh);
        m_settings->setNotifyQuarter(quarter);
        m_settings->setNotify12(twelve);
        m_settings->setNotifyExact(exact);
    }
    QList<Event> exported(Instant from, int months) {
        const auto r = CalendarExport::icsText(from, months, *m_settings, kJanuary);
        if (!r.error.isEmpty())
            qFatal("export failed: %s", qPrintable(r.error));
        return parse(r.text);
    }
    QString write(const QString &path, Instant from, int months) {
        return CalendarExport::writeFile(path, from, months, *m_settings, kJanuary);
    }

  private Q_SLOTS:
    void init() {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        m_store = std::make_unique<UserDefaults>(m_dir.filePath(u"prefs.ini"_qs));
        m_settings = std::make_unique<SavedData>(*m_store);
    }

    // January 2024: last quarter on the 4th, new moon 11th 11:57, first quarter 18th, full moon 25th.
    void phasesOfTheSpanWithDefaultAlarms() {
        const QList<Event> events = exported(kJanuary, 1);
        QCOMPARE(events.size(), 4);
        const char *names[] = {"Last Quarter", "New Moon", "First Quarter", "Full Moon"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(events[i].summary, QLatin1String(names[i]));
            const Instant engine = *AstroInterface::phaseInstant(kJanuary, (3 + i) % 4, true);
            QVERIFY(std::abs(events[i].start.unixSeconds() - engine.unixSeconds()) <= 0.5);
        }
        // Defaults: full and new moons get the day-ahead notice only; quarters get none.
        QVERIFY(events[0].alarms.isEmpty() && events[2].alarms.isEmpty());
        QCOMPARE(events[1].alarms, QList<int>{-85973});
        QCOMPARE(events[1].texts[0], QString::fromLatin1(kNoticeTexts[0][0]));
        QCOMPARE(events[3].texts[0], QString::fromLatin1(kNoticeTexts[2][0]));
        // Identities are stable, so a second export updates the same events.
        QCOMPARE(exported(kJanuary, 1)[2].uid, events[2].uid);
    }

    // For every combination of the flags, the alarms of the next four occurrences of each phase
    // that still lie ahead are exactly the notices the scheduler hands to the centre.
    void alarmsMatchTheScheduler() {
        test::RecordingCenter center;
        const Instant now = at("2024-04-11T12:00:00Z"); // a quiet day, no phase within four days
        for (int mask = 0; mask < 32; ++mask) {
            setFlags(mask & 1, mask & 2, mask & 4, mask & 8, mask & 16);
            const int scheduled = NotificationScheduler::rescheduleNotifications(
                {&center, m_settings.get(), [now] { return now; }, [](const QString &) {}});
            int alarms = 0;
            int seen[4] = {};
            for (const Event &e : exported(now, 5)) {
                const qsizetype phase =
                    QStringList{"New Moon", "First Quarter", "Full Moon", "Last Quarter"}.indexOf(e.summary);
                QVERIFY2(phase >= 0, qPrintable(e.summary));
                if (seen[phase]++ >= 4)
                    continue;
                for (int offset : e.alarms)
                    alarms += e.start.unixSeconds() + offset > now.unixSeconds();
            }
            QCOMPARE(alarms, scheduled);
        }
    }

    // Every notice at its offset; German texts survive folding of their multi-byte characters.
    void allNoticesTranslatedAndUnfoldedIntact() {
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        setFlags(true, true, true, true, true);
        const QString text = CalendarExport::icsText(kJanuary, 1, *m_settings, kJanuary).text;
        for (const QString &line : text.split(u"\r\n"_qs))
            QVERIFY2(line.toUtf8().size() <= 75, qPrintable(line));
        const QList<Event> events = parse(text);
        for (const Event &e : events)
            QCOMPARE(e.alarms, (QList<int>{-85973, -42773, -413}));
        QCOMPARE(events[1].summary, localized("New Moon"));
        QCOMPARE(events[1].texts[1], localized(kNoticeTexts[0][1]));
        QVERIFY(events[1].texts[1] != QString::fromLatin1(kNoticeTexts[0][1]));
    }

    void badSpansAreRefusedAndWriteNothing() {
        const QString path = m_dir.filePath(u"moon.ics"_qs);
        for (const auto &[from, months] : {std::pair{"2024-01-01T00:00:00Z", 0},
                                           {"2024-01-01T00:00:00Z", 121},
                                           {"1900-12-31T00:00:00Z", 1},
                                           {"2099-12-15T00:00:00Z", 1}})
            QVERIFY2(!write(path, at(from), months).isEmpty(), from);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!write(m_dir.filePath(u"no/such/dir.ics"_qs), kJanuary, 1).isEmpty());
        // The last month the engine covers, written and read back.
        QCOMPARE(write(path, at("2099-12-01T00:00:00Z"), 1), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(parse(QString::fromUtf8(file.readAll())).size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestCalendarExport)
#include "tst_calendarexport.moc"
