// SPDX-License-Identifier: MIT
// The Future tab's month grid and day detail, driven without a window on a frozen clock.
#include "Fakes.h"
#include "FixedPlace.h"
#include "core/text/Translations.h"
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/FutureDetailViewModel.h"
#include "core/viewmodels/MoonPictures.h"
#include "core/viewmodels/MotionPreference.h"
#include "core/viewmodels/ScreenPlace.h"
#include "notices/AppClock.h"

#include <QSignalSpy>
#include <QtTest>

using namespace lunafold;

namespace {

using test::at;
using test::iso;

QVariant cell(const CalendarViewModel &m, int row, CalendarViewModel::Role role) {
    return m.data(m.index(row), role);
}

Instant dayStart(const CalendarViewModel &m, int row) {
    return toInstant(cell(m, row, CalendarViewModel::DayStartRole).toDateTime());
}

// The row of the in-month day @p day.
int rowOf(const CalendarViewModel &m, int day) {
    for (int r = 0; r < m.rowCount(); ++r)
        if (cell(m, r, CalendarViewModel::InMonthRole).toBool() &&
            cell(m, r, CalendarViewModel::DayTextRole).toString() == QString::number(day))
            return r;
    return -1;
}

QString value(const QVariantList &rows, int i, const char *key = "value") {
    return rows.value(i).toMap().value(QLatin1String(key)).toString();
}

} // namespace

class TestFuture : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FixedPlace> m_place;

  private Q_SLOTS:
    void init() {
        qputenv("TZ", "UTC"); // the device stays in UTC: every day boundary below is the place's
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        AppClock::freeze(at(u"2024-04-23T12:00:00Z"_qs));
        m_place = std::make_unique<test::FixedPlace>();
        m_place->set(48.8566, 2.3522, "Europe/Paris");
    }
    void cleanup() {
        m_place.reset();
        AppClock::reset();
    }

    void gridHoldsWholeWeeksOfTheLocale() {
        // Rows, first and last cell, the leading days of other months, title and weekday headers.
        // 1 February 2026 is a Sunday (28 days), 1 August 2026 a Saturday (31), 1 April 2024 a Monday.
        const struct {
            const char *locale, *selected, *grid;
        } cases[] = {
            {"en_US", "2026-02-14T12:00:00Z", "4 rows 1..28 lead 0 February, 2026 SMTWTFS"},
            {"en_US", "2026-08-20T12:00:00Z", "6 rows 26..5 lead 6 August, 2026 SMTWTFS"},
            {"de_DE", "2026-02-14T12:00:00Z", "5 rows 26..1 lead 6 Februar 2026 MDMDFSS"},
            {"de_DE", "2024-04-10T12:00:00Z", "5 rows 1..5 lead 0 April 2024 MDMDFSS"},
        };
        for (const auto &c : cases) {
            useLocale(QLocale(QLatin1String(c.locale)));
            CalendarViewModel m(&m_place->locator());
            m.setSelectedInstant(at(c.selected));
            const int last = m.rowCount() - 1;
            int lead = 0;
            while (!cell(m, lead, CalendarViewModel::InMonthRole).toBool())
                ++lead;
            QCOMPARE(u"%1 rows %2..%3 lead %4 %5 %6"_qs.arg(m.rows())
                         .arg(cell(m, 0, CalendarViewModel::DayTextRole).toString(),
                              cell(m, last, CalendarViewModel::DayTextRole).toString())
                         .arg(lead)
                         .arg(m.monthTitle(), m.weekdayHeaders().join(QString())),
                     QLatin1String(c.grid));
            QCOMPARE(cell(m, lead, CalendarViewModel::DayTextRole).toString(), u"1"_qs);
            // Days of the neighbouring months show nothing of their own.
            const bool trailing = !cell(m, last, CalendarViewModel::InMonthRole).toBool();
            QCOMPARE(cell(m, last, CalendarViewModel::MoonImageRole).toString().isEmpty(), trailing);
            QCOMPARE(cell(m, last, CalendarViewModel::AccessibilityLabelRole).toString().isEmpty(), trailing);
        }
    }

    void daysBeginAtMidnightInThePlacesZone() {
        // At 2024-04-30T14:00Z it is already 1 May, 02:00, in Auckland; New Zealand left summer
        // time on 7 April 2024 (03:00 NZDT → 02:00 NZST), so that day lasted 25 hours.
        FutureDetailViewModel d(&m_place->locator());
        d.setSelectedInstant(at(u"2024-04-30T14:00:00Z"_qs));
        QCOMPARE(d.dateText(), u"Apr 30, 2024"_qs); // in Paris
        m_place->set(-36.85, 174.76, "Pacific/Auckland");
        QCOMPARE(d.dateText(), u"May 1, 2024"_qs); // the open day follows the zone
        QCOMPARE(d.selectedMonth(), 5);
        CalendarViewModel m(&m_place->locator());
        m.setSelectedInstant(at(u"2024-04-30T14:00:00Z"_qs));
        QCOMPARE(m.monthTitle(), u"May, 2024"_qs);
        m.setSelectedInstant(at(u"2024-04-15T00:00:00Z"_qs));
        QCOMPARE(iso(dayStart(m, rowOf(m, 1))), u"2024-03-31T11:00:00Z"_qs);
        QCOMPARE(iso(dayStart(m, rowOf(m, 7))), u"2024-04-06T11:00:00Z"_qs);
        QCOMPARE(iso(dayStart(m, rowOf(m, 8))), u"2024-04-07T12:00:00Z"_qs);

        // The place moves to UTC: the grid is rebuilt for that zone at once.
        QSignalSpy reset(&m, &QAbstractItemModel::dataChanged);
        m_place->set(51.48, 0.0, "UTC");
        QVERIFY(reset.count() >= 1);
        QCOMPARE(iso(dayStart(m, rowOf(m, 8))), u"2024-04-08T00:00:00Z"_qs);
        m.setSelectedInstant(at(u"2024-04-30T14:00:00Z"_qs));
        QCOMPARE(m.monthTitle(), u"April, 2024"_qs);
    }

    void phaseLabelsFallOnThePlacesDay() {
        // USNO, Phases of the Moon 2024 (UT): last quarter Apr 2 03:15, new Apr 8 18:21, first
        // quarter Apr 15 19:13, full Apr 23 23:49 — 01:49 on the 24th in Paris, 19:49 on the 23rd
        // in New York. What is read out is the ordinal day, then the label.
        const struct {
            const char *zone;
            int day;
            const char *spoken;
        } cases[] = {
            {"Europe/Paris", 24, "24th Full"},   {"Europe/Paris", 23, "23rd "},
            {"Europe/Paris", 2, "2nd Last"},     {"Europe/Paris", 8, "8th New"},
            {"Europe/Paris", 15, "15th First"},  {"America/New_York", 23, "23rd Full"},
            {"America/New_York", 1, "1st Last"}, {"America/New_York", 24, "24th "},
        };
        for (const auto &c : cases) {
            m_place->set(45.0, 0.0, c.zone);
            CalendarViewModel m(&m_place->locator());
            const int row = rowOf(m, c.day);
            QVERIFY(row >= 0);
            const QString spoken = cell(m, row, CalendarViewModel::AccessibilityLabelRole).toString();
            QCOMPARE(spoken, QLatin1String(c.spoken));
            QCOMPARE(cell(m, row, CalendarViewModel::PhaseLabelRole).toString(), spoken.section(u' ', 1));
        }
    }

    void picturesForEveryDayOfTheMonth() {
        CalendarViewModel m(&m_place->locator());
        m.setDevicePixelRatio(2.0);
        const int row = rowOf(m, 23); // drawn for its start, 2024-04-23T00:00+02:00
        QCOMPARE(cell(m, row, CalendarViewModel::MoonImageRole).toString(),
                 u"image://moon/1713823200/0/48.856600/2.352200/70"_qs);
        QSignalSpy size(&m, &CalendarViewModel::cellSizeChanged);
        m.setRegularWidth(true);
        QCOMPARE(size.count(), 1);
        QCOMPARE(m.cellPoints(), 56);
        QVERIFY(cell(m, row, CalendarViewModel::MoonImageRole).toString().endsWith(u"/112"));
    }

    void monthNavigationAndTaps() {
        CalendarViewModel m(&m_place->locator());
        m.setSelectedInstant(at(u"2024-01-31T11:00:00Z"_qs)); // 12:00 in Paris
        m.nextMonth();
        QCOMPARE(iso(m.selectedInstant()), u"2024-02-29T11:00:00Z"_qs); // the day is clamped
        QCOMPARE(m.monthTitle(), u"February, 2024"_qs);
        m.previousMonth();
        m.previousMonth();
        QCOMPARE(iso(m.selectedInstant()), u"2023-12-29T11:00:00Z"_qs);
        m.today();
        QCOMPARE(m.selectedInstant(), AppClock::now());

        // A tap on a neighbouring month's day changes nothing.
        const Instant before = m.selectedInstant();
        QSignalSpy changed(&m, &CalendarViewModel::selectedDateChanged);
        QVERIFY(!m.selectDay(0));                // 31 March
        QVERIFY(!m.selectDay(m.rowCount() - 1)); // 4 May
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m.selectedInstant(), before);

        // Showing the screen again returns to the present month.
        m.nextMonth();
        m.setActive(true);
        QCOMPARE(m.selectedInstant(), AppClock::now());
        QCOMPARE(m.monthTitle(), u"April, 2024"_qs);
    }

    void dayStepsStayInsideTheRange() {
        CalendarViewModel grid(&m_place->locator());
        FutureDetailViewModel d(&m_place->locator());
        d.setCalendar(&grid);
        d.setSelectedInstant(at(u"1901-01-01T23:50:39Z"_qs)); // midnight: Paris kept its mean time until 1911
        QVERIFY(d.canGoBack());
        d.previousDay();
        QCOMPARE(d.dateText(), u"Jan 1, 1901"_qs);
        const Instant first = d.selectedInstant();
        QVERIFY(!d.canGoBack());
        d.previousDay();
        QCOMPARE(d.selectedInstant(), first);
        QCOMPARE(grid.selectedInstant(), first);

        d.setSelectedInstant(at(u"2099-12-30T00:00:00+01:00"_qs));
        QVERIFY(d.canGoForward());
        d.nextDay();
        QCOMPARE(iso(d.selectedInstant()), u"2099-12-30T23:00:00Z"_qs);
        QVERIFY(!d.canGoForward());
        d.nextDay();
        QCOMPARE(iso(d.selectedInstant()), u"2099-12-30T23:00:00Z"_qs);

        // A step is a day on the wall clock: Paris springs forward on 31 March 2024, noon to noon is 23 h.
        d.setSelectedInstant(at(u"2024-03-30T12:00:00+01:00"_qs));
        d.nextDay();
        QCOMPARE(iso(d.selectedInstant()), u"2024-03-31T10:00:00Z"_qs);
        d.previousDay();
        QCOMPARE(iso(d.selectedInstant()), u"2024-03-30T11:00:00Z"_qs);
    }

    void nextDayFromTheLastOfTheMonth() {
        CalendarViewModel grid(&m_place->locator());
        FutureDetailViewModel d(&m_place->locator());
        d.setCalendar(&grid);
        QVERIFY(grid.selectDay(rowOf(grid, 30)));
        QVERIFY(!d.animateDateChange());                                // a tapped day is shown at once
        d.nextDay();                                                    // the texts are tst_futureview.qml's
        QCOMPARE(iso(d.selectedInstant()), u"2024-04-30T22:00:00Z"_qs); // the tap chose midnight
        QCOMPARE(grid.monthTitle(), u"May, 2024"_qs);
        QVERIFY(d.animateDateChange()); // a step sweeps
        d.today();
        QVERIFY(!d.animateDateChange());
        QCOMPARE(d.selectedInstant(), AppClock::now()); // the time of day too
        QCOMPARE(d.dateInterval(), AppClock::now().unixSeconds() - 978307200.0);
    }

    void pickedDatesStayInsideTheRange() {
        // The selection is 2024-04-23 14:00 in Paris; a pick keeps that time of day.
        const struct {
            int year, month, day;
            const char *expected;
        } cases[] = {
            {2030, 6, 15, "2030-06-15T12:00:00Z"},
            {2030, 2, 31, "2030-02-28T13:00:00Z"}, // a day the month lacks
            {1850, 6, 1, "1900-12-31T23:50:39Z"},
            {1901, 1, 1, "1901-01-01T13:50:39Z"},   // before 1901, its first day
            {2099, 12, 31, "2099-12-30T23:00:00Z"}, // the last day, past its midnight
            {2150, 1, 1, "2099-12-30T23:00:00Z"},
        };
        for (const auto &c : cases) {
            FutureDetailViewModel d(&m_place->locator());
            d.pickDate(c.year, c.month, c.day);
            QCOMPARE(iso(d.selectedInstant()), QLatin1String(c.expected));
        }
    }

    void riseSetAndTransitRows() {
        // lunafold-cli riseset --lat 48.8566 --lon 2.3522 --tz Europe/Paris: on 2024-04-26 no rise,
        // set 05:22:45Z, transit 01:19:40Z; on 2024-04-21 set 03:59:59Z, rise 16:23:59Z, no transit.
        const struct {
            const char *locale, *day, *rows;
        } cases[] = {
            {"en_US", "2024-04-26T00:00:00+02:00",
             "Apr 26, 2024|No Moon Rise today= |Moon Set today=7:22 AM|Moon Transit today=3:19 AM"},
            {"en_US", "2024-04-21T00:00:00+02:00",
             "Apr 21, 2024|Moon Set today=5:59 AM|Moon Rise today=6:23 PM|No Moon Transit today= "},
            {"de_DE", "2024-04-26T00:00:00+02:00",
             "26.04.2024|Heute kein Mondaufgang= |Monduntergang heute=07:22|Mondkulmination heute=03:19"},
            {"de_DE", "2024-04-21T00:00:00+02:00",
             "21.04.2024|Monduntergang heute=05:59|Mondaufgang heute=18:23|Heute keine Mondkulmination= "},
        };
        for (const auto &c : cases) {
            useLocale(QLocale(QLatin1String(c.locale)));
            FutureDetailViewModel d(&m_place->locator());
            d.setSelectedInstant(at(c.day));
            QCOMPARE(d.transitRows().size(), 1);
            const QVariantList all = d.riseSetRows() + d.transitRows();
            QStringList rows{d.dateText()};
            for (int i = 0; i < 3; ++i)
                rows << value(all, i, "label") + u'=' + value(all, i);
            QCOMPARE(rows.join(u'|'), QLatin1String(c.rows));
        }
    }

    void atMidnightTexts() {
        FutureDetailViewModel d(&m_place->locator());
        d.setSelectedInstant(at(u"2024-04-24T00:00:00+02:00"_qs));
        // 23:48:59 UT: the almanac rounds to 23:49, the wall clock shows the minute begun.
        QCOMPARE(d.phaseSentence(), u"Full Moon is today - 1:48 AM."_qs);
        // Two hours before the full moon the disc is all but whole.
        QVERIFY(d.moonRow().contains(QRegularExpression(u"^Moon is 99\\.9\\d{3}% of full\\.$"_qs)));
    }

    // Without a coordinate the figures and the pictures are for 0°, 0°.
    void withoutACoordinateEverythingIsForZeroZero() {
        test::FixedPlace nowhere; // the device's zone, UTC, and no coordinate
        test::FixedPlace nullIsland;
        nullIsland.set(0.0, 0.0, "UTC");
        FutureDetailViewModel a(&nowhere.locator()), b(&nullIsland.locator());
        a.setSelectedInstant(at(u"2024-04-26T00:00:00Z"_qs));
        b.setSelectedInstant(at(u"2024-04-26T00:00:00Z"_qs));
        QCOMPARE(a.riseSetRows() + a.transitRows(), b.riseSetRows() + b.transitRows());
        QVERIFY(value(a.riseSetRows(), 0) != u" " || value(a.riseSetRows(), 1) != u" ");
        CalendarViewModel unplaced(&nowhere.locator());
        QVERIFY(cell(unplaced, rowOf(unplaced, 23), CalendarViewModel::MoonImageRole)
                    .toString()
                    .contains(u"/0/0.000000/0.000000/35"));
    }

    void animatedMoonPictures() {
        // dateInterval counts from 2001-01-01T00:00:00Z; the renderer turns the southern picture.
        QCOMPARE(MoonPictures::upright(0.0, -33.9, 151.2, 440),
                 u"image://moon/978307200/0/-33.900000/151.200000/440"_qs);
        QCOMPARE(MoonPictures::upright(86400.5, 33.9, 151.2, 440),
                 u"image://moon/978393600/0/33.900000/151.200000/440"_qs);
        QVERIFY(MoonPictures::upright(1e12, 0, 0, 440).isEmpty());
        qputenv("LUNAFOLD_REDUCE_MOTION", "1");
        QVERIFY(MotionPreference().reduceMotion());
        qputenv("LUNAFOLD_REDUCE_MOTION", "0");
        QVERIFY(!MotionPreference().reduceMotion());
    }
};

QTEST_GUILESS_MAIN(TestFuture)
#include "tst_future.moc"
