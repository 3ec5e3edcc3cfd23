// SPDX-License-Identifier: MIT
// The sentences of the Now, Rise & Set and calendar screens, for hand-checked instants.
#include "Fakes.h"
#include "astronomy/AstroInterface.h"
#include "core/text/ScreenTexts.h"
#include "core/text/Translations.h"
#include "core/text/UIHelper.h"

#include <QtTest>

using namespace lunafold;

namespace {

using test::at;

// The place's zone the sentences are worded in.
TimeZone g_zone = TimeZone::utc();

void usePlace(const char *zoneName) {
    g_zone = *TimeZone::named(zoneName);
}

const Instant kFull = AstroInterface::getFullMoonNext(Instant::trusted(1713571200)); // 2024-04-23T23:49Z

} // namespace

class TestUIHelper : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        qputenv("TZ", "Pacific/Auckland"); // the device is elsewhere: the place's zone must win
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        usePlace("UTC");
    }

    void countdownBeforeAFullMoon_data() {
        QTest::addColumn<double>("secondsBefore");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("under a minute") << 30.0 << "Full Moon is now.";
        QTest::newRow("59 minutes") << 59 * 60.0 << "Full Moon in 59 minutes.";
        QTest::newRow("exactly an hour") << 3600.0 << "Full Moon in exactly 1 hour.";
        QTest::newRow("25 hours") << 25 * 3600.0 << "Full Moon in 1 day, 1 hour.";
        QTest::newRow("48 hours") << 48 * 3600.0 << "Full Moon in exactly 2 days.";
        QTest::newRow("minutes dropped past a day")
            << 50 * 3600.0 + 59 * 60 << "Full Moon in 2 days, 2 hours.";
    }
    void countdownBeforeAFullMoon() {
        QFETCH(double, secondsBefore);
        QFETCH(QString, sentence);
        QCOMPARE(UIHelper::countdownText(kFull.plusSeconds(-secondsBefore), g_zone, true), sentence);
        // The one after a full moon is the last quarter.
        QVERIFY(UIHelper::countdownText(kFull.plusSeconds(-secondsBefore), g_zone, false)
                    .startsWith(u"Last Quarter in "));
    }

    void countdownOrderThroughALunation() {
        const Instant newMoon = AstroInterface::getNewMoonPrev(kFull);
        const Instant q1 = AstroInterface::getFirstQuarterNext(newMoon);
        // Waxing with the first quarter past: full moon, then last quarter.
        QVERIFY(UIHelper::countdownText(q1.plusSeconds(3600), g_zone, true).startsWith(u"Full Moon in "));
        QVERIFY(UIHelper::countdownText(q1.plusSeconds(3600), g_zone, false).startsWith(u"Last Quarter in "));
        // Waxing before it: first quarter, then full moon.
        QVERIFY(UIHelper::countdownText(q1.plusSeconds(-7200), g_zone, true)
                    .startsWith(u"First Quarter in exactly 2 hours."));
        QVERIFY(UIHelper::countdownText(q1.plusSeconds(-7200), g_zone, false).startsWith(u"Full Moon in "));
        // Waning after the full moon: last quarter, then new moon.
        QVERIFY(
            UIHelper::countdownText(kFull.plusSeconds(3600), g_zone, true).startsWith(u"Last Quarter in "));
        QVERIFY(UIHelper::countdownText(kFull.plusSeconds(3600), g_zone, false).startsWith(u"New Moon in "));
    }

    void countdownAcrossDaylightSaving() {
        // New York springs forward on 2024-03-10; a day on the wall clock is then 23 hours.
        usePlace("America/New_York");
        const Instant newMoon =
            AstroInterface::getNewMoonNext(at("2024-03-01T00:00:00Z")); // 2024-03-10T09:00Z
        QCOMPARE(UIHelper::countdownText(newMoon.plusSeconds(-(2 * 86400 - 3600)), g_zone, true),
                 QStringLiteral("New Moon in exactly 2 days."));
    }

    void phaseSentences() {
        // The full moon of 2019-01-21 came at 05:16 UT; at 10:00 it is already past but still today's.
        QCOMPARE(UIHelper::phaseText(at("2019-01-21T10:00:00Z"), g_zone, true),
                 QStringLiteral("Full Moon is today - 5:16 AM."));
        QCOMPARE(UIHelper::phaseText(at("2019-01-21T01:00:00Z"), g_zone, false),
                 QStringLiteral("Full Moon is today."));
        QCOMPARE(UIHelper::phaseText(at("2024-04-11T12:00:00Z"), g_zone, true),
                 QStringLiteral("Phase is waxing crescent."));
        QCOMPARE(UIHelper::phaseText(at("2024-04-19T12:00:00Z"), g_zone, true),
                 QStringLiteral("Phase is waxing gibbous."));
        QCOMPARE(UIHelper::phaseText(at("2024-04-27T12:00:00Z"), g_zone, true),
                 QStringLiteral("Phase is waning gibbous."));
        QCOMPARE(UIHelper::phaseText(at("2024-04-05T12:00:00Z"), g_zone, true),
                 QStringLiteral("Phase is waning crescent."));
    }

    void dayBoundariesFollowThePlace() {
        // 2024-04-23T23:49Z is the evening of the 23rd in New York and the 24th in Auckland.
        const Instant noonNy = at("2024-04-23T16:00:00Z");
        usePlace("America/New_York");
        QVERIFY(UIHelper::shortTime(kFull, g_zone).startsWith(u"7:4")); // 23:49 UT, give or take seconds
        QCOMPARE(UIHelper::phaseText(noonNy, g_zone, true),
                 QStringLiteral("Full Moon is today - ") + UIHelper::shortTime(kFull, g_zone) + u'.');
        QCOMPARE(UIHelper::calendarPhaseLabel(noonNy, *TimeZone::named("America/New_York")),
                 QStringLiteral("Full"));
        QCOMPARE(
            UIHelper::calendarPhaseLabel(at("2024-04-23T00:00:00Z"), *TimeZone::named("Pacific/Auckland")),
            QString());
        QCOMPARE(
            UIHelper::calendarPhaseLabel(at("2024-04-24T00:00:00Z"), *TimeZone::named("Pacific/Auckland")),
            QStringLiteral("Full"));
        usePlace("Pacific/Auckland"); // there noonNy is already the 24th, the full moon's day
        QCOMPARE(UIHelper::phaseText(at("2024-04-23T00:00:00Z"), g_zone, true),
                 QStringLiteral("Phase is waxing gibbous."));
    }

    void riseSetOrder() {
        // New York, April 2024: each day's lines keep time order, and rise first when one is missing.
        const TimeZone ny = *TimeZone::named("America/New_York");
        int setFirst = 0, noRise = 0;
        for (int d = 0; d < 30; ++d) {
            const Instant t = at("2024-04-01T16:00:00Z").plusSeconds(d * 86400.0);
            const RiseSetLine a =
                UIHelper::orderedRiseSetLine(t, ny, GeoPoint{Longitude(-74.01), Latitude(40.71)}, true);
            const RiseSetLine b =
                UIHelper::orderedRiseSetLine(t, ny, GeoPoint{Longitude(-74.01), Latitude(40.71)}, false);
            QCOMPARE(a.rise == b.rise, false);
            if (a.date && b.date) {
                QVERIFY(*a.date < *b.date);
                setFirst += !a.rise;
            } else {
                QVERIFY(a.rise); // a missing event keeps the order rise, then set
                noRise += !a.date;
            }
        }
        QVERIFY(setFirst > 10);
        QVERIFY(noRise >= 1);
    }

    void riseSetRowsOnADayWithoutMoonrise() {
        const TimeZone ny = *TimeZone::named("America/New_York");
        for (int d = 0; d < 30; ++d) {
            const Instant t = at("2024-04-01T16:00:00Z").plusSeconds(d * 86400.0);
            if (AstroInterface::getMoonRiseTime(t, -74.01, 40.71, ny))
                continue;
            usePlace("America/New_York");
            const auto rows = ScreenTexts::riseSetRows(t, GeoPoint{Longitude(-74.01), Latitude(40.71)}, ny);
            QCOMPARE(rows[0].label, QStringLiteral("No Moon Rise today"));
            QCOMPARE(rows[0].value, QStringLiteral(" "));
            QCOMPARE(rows[1].label, QStringLiteral("Moon Set today"));
            QVERIFY(rows[1].value.endsWith(u'M'));
            return;
        }
        QFAIL("April 2024 has a day without moonrise in New York");
    }

    void moonRow() {
        const Instant t = at("2024-04-23T12:00:00Z");
        QVERIFY(ScreenTexts::moonRow(t, std::nullopt)
                    .contains(QRegularExpression(QStringLiteral("^Moon is \\d+\\.\\d{4}% of full\\.$"))));
        const double altitude = *AstroInterface::getMoonAltitude(t, 2.35, 48.85);
        QCOMPARE(ScreenTexts::moonRow(t, GeoPoint{Longitude(2.35), Latitude(48.85)})
                     .endsWith(altitude > 0 ? u"and is up." : u"and is down."),
                 true);
    }

    void ordinalsAndDistances() {
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("3")), QStringLiteral("3rd"));
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("22")), QStringLiteral("22nd"));
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("+11")), QStringLiteral("11th"));
        QCOMPARE(UIHelper::ordinalText(QString()), QStringLiteral(" "));
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("x1")), QStringLiteral(" "));
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("1x")), QStringLiteral(" "));
        QCOMPARE(UIHelper::distanceText(384400.0), QStringLiteral("238,855.1 mi"));
        useLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(UIHelper::distanceText(384400.0), QStringLiteral("238,855.1 mi"));
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(UIHelper::ordinalText(QStringLiteral("3")), QStringLiteral("3."));
        QCOMPARE(UIHelper::distanceText(384400.0), QStringLiteral("384.400,0 km"));
    }

    void signLines() {
        // At the 2024-04-08 new moon the Moon stood at 19° of longitude: Aries.
        const Instant t = at("2024-04-08T18:21:00Z");
        QCOMPARE(UIHelper::signWithEmoji(t), QStringLiteral("Aries \u2648"));
        QCOMPARE(UIHelper::emojiWithSign(t), QStringLiteral("\u2648 Aries"));
    }

    void switchingTheLocaleSwitchesTheWords() {
        const Instant t = kFull.plusSeconds(-25 * 3600.0);
        useLocale(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(UIHelper::countdownText(t, g_zone, true), QStringLiteral("Vollmond in 1 Tag, 1 Stunde."));
        QCOMPARE(UIHelper::phaseText(at("2024-04-11T12:00:00Z"), g_zone, true),
                 QStringLiteral("Phase: zunehmende Mondsichel."));
        QCOMPARE(UIHelper::phaseText(at("2019-01-21T10:00:00Z"), g_zone, true),
                 QStringLiteral("Heute ist Vollmond – 05:16."));
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(UIHelper::countdownText(t, g_zone, true), QStringLiteral("Full Moon in 1 day, 1 hour."));
    }
};

QTEST_GUILESS_MAIN(TestUIHelper)
#include "tst_uihelper.moc"
