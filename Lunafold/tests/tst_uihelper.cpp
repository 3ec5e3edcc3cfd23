// SPDX-License-Identifier: MIT
// The countdown, phase and calendar sentences, for hand-checked instants.
#include "Fakes.h"
#include "astronomy/AstroInterface.h"
#include "core/text/Translations.h"
#include "core/text/UIHelper.h"

#include <QtTest>

using namespace lunafold;

namespace {

using test::at;

TimeZone g_zone = TimeZone::utc(); // the place's zone the sentences are worded in

const Instant kFull = AstroInterface::getFullMoonNext(Instant::trusted(1713571200)); // 2024-04-23T23:49Z

} // namespace

class TestUIHelper : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        qputenv("TZ", "Pacific/Auckland"); // the device is elsewhere: the place's zone must win
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        g_zone = *TimeZone::named("UTC");
    }

    void countdownBeforeAFullMoon() {
        const std::pair<double, const char *> cases[] = {
            {30.0, "Full Moon is now."}, // under a minute
            {59 * 60.0, "Full Moon in 59 minutes."},
            {3600.0, "Full Moon in exactly 1 hour."},
            {25 * 3600.0, "Full Moon in 1 day, 1 hour."},
            {48 * 3600.0, "Full Moon in exactly 2 days."},
            {50 * 3600.0 + 59 * 60, "Full Moon in 2 days, 2 hours."}, // minutes dropped past a day
        };
        for (const auto &[secondsBefore, sentence] : cases) {
            QCOMPARE(UIHelper::countdownText(kFull.plusSeconds(-secondsBefore), g_zone, true),
                     QLatin1String(sentence));
        }
    }

    void countdownOrderThroughALunation() {
        const Instant q1 = AstroInterface::getFirstQuarterNext(AstroInterface::getNewMoonPrev(kFull));
        // Past the first quarter, before it, and past the full moon: the next two events in turn.
        const struct {
            Instant t;
            const char *first, *second;
        } cases[] = {{q1.plusSeconds(3600), "Full Moon in ", "Last Quarter in "},
                     {q1.plusSeconds(-7200), "First Quarter in exactly 2 hours.", "Full Moon in "},
                     {kFull.plusSeconds(3600), "Last Quarter in ", "New Moon in "}};
        for (const auto &c : cases) {
            QVERIFY(UIHelper::countdownText(c.t, g_zone, true).startsWith(QLatin1String(c.first)));
            QVERIFY(UIHelper::countdownText(c.t, g_zone, false).startsWith(QLatin1String(c.second)));
        }
    }

    void phaseSentences() {
        // The full moon of 2019-01-21 came at 05:16 UT; at 10:00 it is already past but still today's.
        const struct {
            const char *at;
            bool withTime;
            const char *sentence;
        } cases[] = {{"2019-01-21T10:00:00Z", true, "Full Moon is today - 5:16 AM."},
                     {"2019-01-21T01:00:00Z", false, "Full Moon is today."},
                     {"2024-04-11T12:00:00Z", true, "Phase is waxing crescent."},
                     {"2024-04-19T12:00:00Z", true, "Phase is waxing gibbous."},
                     {"2024-04-27T12:00:00Z", true, "Phase is waning gibbous."},
                     {"2024-04-05T12:00:00Z", true, "Phase is waning crescent."}};
        for (const auto &c : cases)
            QCOMPARE(UIHelper::phaseText(at(c.at), g_zone, c.withTime), QLatin1String(c.sentence));
    }

    void dayBoundariesFollowThePlace() {
        // 2024-04-23T23:49Z is the evening of the 23rd in New York and the 24th in Auckland.
        const Instant noonNy = at("2024-04-23T16:00:00Z");
        g_zone = *TimeZone::named("America/New_York");
        // It springs forward on 2024-03-10, the day of a new moon (09:00Z): that day is 23 hours.
        const Instant newMoon = AstroInterface::getNewMoonNext(at("2024-03-01T00:00:00Z"));
        QCOMPARE(UIHelper::countdownText(newMoon.plusSeconds(-(2 * 86400 - 3600)), g_zone, true),
                 u"New Moon in exactly 2 days."_qs);
        QVERIFY(UIHelper::shortTime(kFull, g_zone).startsWith(u"7:4")); // 23:49 UT, give or take seconds
        QCOMPARE(UIHelper::phaseText(noonNy, g_zone, true),
                 u"Full Moon is today - "_qs + UIHelper::shortTime(kFull, g_zone) + u'.');
        g_zone =
            *TimeZone::named("Pacific/Auckland"); // there noonNy is already the 24th, the full moon's day
        QCOMPARE(UIHelper::phaseText(at("2024-04-23T00:00:00Z"), g_zone, true),
                 u"Phase is waxing gibbous."_qs);
    }

    void riseSetOrder() {
        // New York, April 2024: each day's lines keep time order, and rise first when one is missing.
        const TimeZone ny = *TimeZone::named("America/New_York");
        const GeoPoint place{Longitude(-74.01), Latitude(40.71)};
        int setFirst = 0, noRise = 0;
        for (int d = 0; d < 30; ++d) {
            const Instant t = at("2024-04-01T16:00:00Z").plusSeconds(d * 86400.0);
            const RiseSetLine a = UIHelper::orderedRiseSetLine(t, ny, place, true);
            const RiseSetLine b = UIHelper::orderedRiseSetLine(t, ny, place, false);
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

    void ordinalsDistancesSignsAndGerman() {
        const std::pair<const char *, const char *> ordinals[] = {
            {"3", "3rd"}, {"22", "22nd"}, {"+11", "11th"}, {"", " "}, {"x1", " "}, {"1x", " "}};
        for (const auto &[in, out] : ordinals)
            QCOMPARE(UIHelper::ordinalText(QLatin1String(in)), QLatin1String(out));
        // At the 2024-04-08 new moon the Moon stood at 19° of longitude: Aries.
        QCOMPARE(UIHelper::emojiWithSign(at("2024-04-08T18:21:00Z")), u"\u2648 Aries"_qs);
        for (const auto &[locale, distance] :
             {std::pair{"en_US", "238,855.1 mi"}, {"en_GB", "238,855.1 mi"}, {"de_DE", "384.400,0 km"}}) {
            useLocale(QLocale(QLatin1String(locale)));
            QCOMPARE(UIHelper::distanceText(384400.0), QLatin1String(distance));
        }
        QCOMPARE(UIHelper::ordinalText(u"3"_qs), u"3."_qs); // German singulars and clock times:
        QCOMPARE(UIHelper::countdownText(kFull.plusSeconds(-25 * 3600.0), g_zone, true),
                 u"Vollmond in 1 Tag, 1 Stunde."_qs);
        QCOMPARE(UIHelper::phaseText(at("2019-01-21T10:00:00Z"), g_zone, true),
                 u"Heute ist Vollmond – 05:16."_qs);
    }
};

QTEST_GUILESS_MAIN(TestUIHelper)
#include "tst_uihelper.moc"
