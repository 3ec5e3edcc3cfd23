// SPDX-License-Identifier: MIT
// The view-models of the Now screen and the Rise & Set screen, on a frozen clock and a fixed
// place, without a window (the swiping between tabs is tst_mainview.qml's).
#include "Fakes.h"
#include "common/UserDefaults.h"
#include "core/services/Locator.h"
#include "core/text/Translations.h"
#include "core/viewmodels/NowViewModel.h"
#include "core/viewmodels/RiseSetViewModel.h"
#include "notices/AppClock.h"
#include "ui/quick/RenderView.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace lunafold;

using test::at;

class TestScreens : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    test::FakeDevice m_manager;
    test::FakeGeocoder m_geocoder;
    std::unique_ptr<Locator> m_locator;

  private Q_SLOTS:
    void init() {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        m_store = std::make_unique<UserDefaults>(m_dir.filePath(u"prefs.ini"_qs));
        m_locator = std::make_unique<Locator>(m_manager, m_geocoder, *m_store, false);
        m_manager.compass = false;
        AppClock::freeze(at("2024-04-23T12:00:00Z"));
    }
    void cleanupTestCase() { AppClock::reset(); }

    void moonAreaAndPointer() {
        QCOMPARE(NowViewModel::moonDiameter(390, 600, false), 214.5);
        QCOMPARE(NowViewModel::rasterEdge(214.5), 256);
        QCOMPARE(NowViewModel::moonDiameter(700, 900, true), 420.0);
        QCOMPARE(NowViewModel::rasterEdge(420), 448);
        QCOMPARE(NowViewModel::rasterEdge(NowViewModel::moonDiameter(80, 60, false)), 64);
        QCOMPARE(NowViewModel::rasterEdge(64), 64);
        QCOMPARE(NowViewModel::rasterEdge(64.01), 128);
        // The pointer turns with the orientation.
        QCOMPARE(NowViewModel::pointerRotationFor(120, 30, NowViewModel::landscapeRight), 180.0);
        QCOMPARE(NowViewModel::pointerRotationFor(120, 30, NowViewModel::portrait), 90.0);
        QCOMPARE(NowViewModel::pointerRotationFor(120, 30, NowViewModel::landscapeLeft), 0.0);
        QCOMPARE(NowViewModel::pointerRotationFor(120, 30, NowViewModel::portraitUpsideDown), 270.0);
        QCOMPARE(NowViewModel::pointerRotationFor(120, 30, NowViewModel::unknown), 90.0);
    }

    // 2024-04-23 12:00 UT: full moon 23:49 UT that day; in Auckland (midnight) the moon is up.
    void nowTextsFollowThePlaceAndTheClock() {
        NowViewModel now(m_locator.get());
        QCOMPARE(now.firstCountdown(), u"Full Moon in 11 hours, 48 minutes."_qs);
        QVERIFY(now.moonRow().endsWith(u"% of full."_qs));
        QVERIFY(now.moonImageSource().contains(u"/0/0.000000/0.000000/"_qs));
        QVERIFY(!now.showPointer());

        QSignalSpy refreshed(&now, &NowViewModel::refreshed);
        m_locator->setFixedPlace(GeoPoint{Longitude(2.3522), Latitude(48.8566)},
                                 *TimeZone::named("Europe/Paris"));
        QVERIFY(refreshed.count() >= 1);
        QVERIFY(now.moonImageSource().contains(u"/1/48.856600/2.352200/"_qs));
        m_locator->setFixedPlace(GeoPoint{Longitude(174.76), Latitude(-36.85)},
                                 *TimeZone::named("Pacific/Auckland"));
        QVERIFY(now.moonRow().endsWith(u"% of full and is up."_qs));

        // The clock, not the timer, decides what a refresh shows.
        AppClock::freeze(at("2024-04-24T00:00:00Z"));
        now.refresh();
        QCOMPARE(now.firstCountdown(), u"Last Quarter in 7 days, 11 hours."_qs);
        QVERIFY(now.moonImageSource().startsWith(u"image://moon/1713916800/"_qs));
        now.setRasterPixels(512);
        QVERIFY(now.moonImageSource().endsWith(u"/512"_qs));
        // A compass without a heading yet draws no pointer.
        m_manager.compass = true;
        now.refresh();
        QVERIFY(!now.showPointer());
    }

    void timelinesRunOnlyWhileShown() {
        m_manager.compass = true; // and the compass with the Now screen
        m_manager.headingStarts = m_manager.headingStops = 0;
        NowViewModel now(m_locator.get());
        RiseSetViewModel riseSet(m_locator.get());
        QVERIFY(!now.active() && !riseSet.active());
        now.setActive(true);
        riseSet.setActive(true);
        QSignalSpy ticks(&now, &NowViewModel::refreshed);
        QVERIFY(ticks.wait(1500));
        now.setActive(false);
        riseSet.setActive(false);
        ticks.clear();
        QTest::qWait(1200);
        QCOMPARE(ticks.count(), 0);
        QCOMPARE(m_manager.headingStarts, 1);
        QCOMPARE(m_manager.headingStops, 1);
    }

    void riseSetRowsOnlyWithAPlace() {
        RiseSetViewModel view(m_locator.get());
        QVERIFY(!view.hasLocation());
        QVERIFY(view.riseSetRows().isEmpty() && view.otherRows().isEmpty());
        m_locator->setFixedPlace(GeoPoint{Longitude(2.3522), Latitude(48.8566)},
                                 *TimeZone::named("Europe/Paris"));
        QVERIFY(view.hasLocation());
        QCOMPARE(view.riseSetRows().size(), 4);
        QCOMPARE(view.transitRows().size(), 2);
        QCOMPARE(view.otherRows().size(), 5);
        // The wording of the rows is tst_future's; here a refresh must follow the clock. Paris,
        // 23 April 2024: the moon sets in the morning; the 26th has no moonrise.
        const auto firstLabel = [&view] {
            return view.riseSetRows()[0].toMap().value(u"label"_qs).toString();
        };
        QCOMPARE(firstLabel(), u"Moon Set today"_qs);
        AppClock::freeze(at("2024-04-26T12:00:00Z"));
        view.refresh();
        QCOMPARE(firstLabel(), u"No Moon Rise today"_qs);
    }

    // The share card is drawn for its instant, and its moon is never turned to anyone's sky.
    void shareCard() {
        QList<std::tuple<bool, bool, bool, int>> calls;
        const auto moon = [&calls](Instant, bool orient, std::optional<double> lat, std::optional<double> lon,
                                   int w, int h) {
            calls << std::make_tuple(orient, lat.has_value(), lon.has_value(), w);
            QImage disc(w, h, QImage::Format_ARGB32_Premultiplied);
            disc.fill(Qt::white);
            return disc;
        };
        const QImage card = RenderView::render(AppClock::now(), m_locator->timezone(), 2.0, moon);
        QCOMPARE(card.size(), QSize(800, 800));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0], std::make_tuple(false, false, false, 300));
        QCOMPARE(card.pixelColor(400, 520), QColor(Qt::white)); // the moon, centred in its block
        QVERIFY(RenderView::render(AppClock::now(), m_locator->timezone(), 0.0, moon).isNull());

        const QStringList lines = RenderView::lines(AppClock::now(), m_locator->timezone());
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], u"Lunafold App"_qs);
        QCOMPARE(lines[1], u"Full Moon in 11 hours, 48 minutes."_qs);
        QVERIFY(QRegularExpression(u"^Moon is \\d{1,3}\\.\\d{4}% of full\\.$"_qs).match(lines[4]).hasMatch());
        QCOMPARE(lines[5], u"Moon is in \u264e Libra."_qs);
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
