// SPDX-License-Identifier: MIT
// The location service's state machine, fixes, failures and place texts, on fake platform parts.
#include "FixedPlace.h"
#include "common/Log.h"
#include "core/geo/OfflineGeocoder.h"
#include "core/services/QtLocationManager.h"

#include <QtTest>

#include <cerrno>
#include <future>
#include <sys/stat.h>

using namespace lunafold;

const Instant kNow = Instant::trusted(1712836800);

class TestLocator : public QObject {
    Q_OBJECT

    std::unique_ptr<test::LocatorParts> m_parts; // afresh for every test
    UserDefaults &store() { return m_parts->store; }
    test::FakeDevice &device() { return m_parts->device; }
    test::FakeGeocoder &geocoder() { return m_parts->geocoder; }
    const PlaceData m_places;
    QStringList m_log;

    std::unique_ptr<Locator> make(bool useCurrentLocation) {
        m_log.clear();
        return std::make_unique<Locator>(device(), geocoder(), store(), useCurrentLocation);
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        setLogSink([this](const QString &l) { m_log << l; });
    }
    void init() {
        m_parts = std::make_unique<test::LocatorParts>();
        device().status = LocationAuthorization::notDetermined;
        geocoder().answer.reset();
    }

    void notDeterminedAsksOrLoads() {
        auto asking = make(true);
        asking->didChangeAuthorization(LocationAuthorization::notDetermined);
        QCOMPARE(m_log, (QStringList{"LOC0. didChangeAuthorization called.",
                                     "LOC1. location Authorization Status has changed to .notDetermined",
                                     "LOC1A. Requesting Location Authorization.."}));
        QCOMPARE(device().requests, 1);
        QVERIFY(!asking->hasLocation());
        auto loading = make(false);
        loading->didChangeAuthorization(LocationAuthorization::notDetermined);
        QCOMPARE(m_log.last(), u"LOC11. Loaded location from device"_qs);
        QVERIFY(loading->hasLocation());
        QCOMPARE(loading->latitude(), 0.0);
    }

    void aFreshFixIsTakenSavedAndGeocoded() {
        geocoder().answer =
            QList<Placemark>{{u"Paris"_qs, u"Île-de-France"_qs, u"France"_qs, u"Europe/Paris"_qs}};
        auto locator = make(true);
        locator->didChangeAuthorization(LocationAuthorization::authorizedWhenInUse);
        QCOMPARE(device().starts, 1);
        // A fix 20 s old is ignored and updates go on.
        locator->didUpdateLocations({{48.85, 2.35, kNow.plusSeconds(-20)}}, kNow);
        QVERIFY(!locator->hasLocation());
        QCOMPARE(device().stops, 0);
        locator->didUpdateLocations({{10, 10, kNow.plusSeconds(-60)}, {48.85, 2.35, kNow.plusSeconds(-5)}},
                                    kNow);
        QCOMPARE(device().stops, 1);
        QCOMPARE(locator->latitude(), 48.85);
        QCOMPARE(locator->friendlyLocationText(), u"Paris, Île-de-France"_qs);
        QCOMPARE(locator->timezoneName(), u"Europe/Paris"_qs);
        QVERIFY(m_log.contains(u"LOC6. Stopping Location Services"_qs));
        QCOMPARE(m_log.filter(u"LOC5. Location Received <48.85"_qs).size(), 1);
        QCOMPARE(m_log.count(u"LOC10. Saved location on device"_qs), 2); // at once, then with the place
        QCOMPARE(store().stringForKey(u"lunafold.timezone"_qs), u"Europe/Paris"_qs);
        QCOMPARE(store().doubleForKey(u"lunafold.calculationLongitude"_qs), 2.35);
    }

    void aFailureLoadsTheSavedPlace() {
        store().setDouble(u"lunafold.calculationLatitude"_qs, -33.87);
        store().setString(u"lunafold.timezone"_qs, u"Mars/Base"_qs); // unknown: device zone
        auto locator = make(true);
        locator->didFailWithError(u"timeout"_qs);
        QCOMPARE(m_log.mid(0, 2), (QStringList{"LOC4. didFailWithError called. Error was timeout",
                                               "LOC6. Stopping Location Services"}));
        QCOMPARE(locator->latitude(), -33.87);
        QCOMPARE(locator->timezoneName(), u"Europe/Berlin"_qs);
        QCOMPARE(locator->friendlyLocationText(), u" "_qs);
    }

    void placeTexts() {
        const struct {
            const char *locality, *area, *country; // "": absent
            const char *text;
        } cases[] = {
            {"Sydney", "New South Wales", "Australia", "Sydney, New South Wales"},
            {"Paris", "", "France", "Paris, France"},
            {"", "Texas", "United States", "Texas, United States"},
            {"", "", "Iceland", "Iceland"},
            {"", "", "", " "},
        };
        const auto part = [](const char *text) {
            return *text ? std::optional<QString>(QString::fromLatin1(text)) : std::nullopt;
        };
        for (const auto &c : cases)
            QCOMPARE(Locator::placeText({part(c.locality), part(c.area), part(c.country), std::nullopt}),
                     QString::fromLatin1(c.text));
    }

    void manualStartWhileDeniedRestoresTheSavedPlace() {
        store().setDouble(u"lunafold.calculationLatitude"_qs, 51.5);
        store().setString(u"lunafold.friendlyLocationText"_qs, u"London, England"_qs);
        device().status = LocationAuthorization::denied;
        auto locator = make(false);
        locator->startCurrentLocation();
        QCOMPARE(
            m_log.mid(0, 3),
            (QStringList{"LOC7. Manual Start Location Services", "LOC7A. Setting useCurrentLocation to true.",
                         "LOC3. location Authorization Status has changed to .restricted or .denied"}));
        QCOMPARE(locator->latitude(), 51.5);
        QCOMPARE(locator->friendlyLocationText(), u"London, England"_qs);
    }

    void anNmeaReplayGivesAFixGeocodedOffline() {
        // $GPRMC for 48°51.000' N, 2°21.000' E, with their checksums; replayed fixes stand in for a
        // live device.
        QFile log(m_parts->dir.filePath(u"paris.nmea"_qs));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("$GPRMC,120000,A,4851.000,N,00221.000,E,0.0,0.0,230424,,,A*79\r\n"
                  "$GPRMC,120001,A,4851.000,N,00221.000,E,0.0,0.0,230424,,,A*78\r\n");
        log.close();
        OfflineGeocoder offline(m_places);
        QtLocationManager manager(log.fileName());
        Locator locator(manager, offline, store(), true);
        manager.attach(&locator);
        QTRY_VERIFY_WITH_TIMEOUT(locator.hasLocation(), 5000);
        QCOMPARE(locator.latitude(), 48.85);
        QCOMPARE(locator.friendlyLocationText(), u"Paris, Île-de-France"_qs);
        QCOMPARE(locator.timezoneName(), u"Europe/Paris"_qs);
    }

    // Replay logs that cannot be used: start-up goes on at once, without a source, and says why.
    void unusableReplayLogs() {
        const struct {
            const char *kind, *why;
        } cases[] = {{"missing", "no such file"}, {"fifo", "not a regular file"}};
        for (const auto &c : cases) {
            const QString path = m_parts->dir.filePath(QLatin1String(c.kind) + u".nmea"_qs);
            if (c.kind == std::string_view("fifo")) // a pipe without a writer
                QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 || errno == EEXIST);
            m_log.clear();
            auto made = std::async(std::launch::async, [&path] {
                QtLocationManager manager(path);
                return manager.authorizationStatus();
            });
            if (made.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
                // Let the blocked open return before failing.
                QFile writer(path);
                (void)writer.open(QIODevice::WriteOnly);
                made.wait();
                QFAIL(qPrintable(u"opening the replay log blocked start-up: "_qs + path));
            }
            QCOMPARE(made.get(), LocationAuthorization::restricted);
            QCOMPARE(m_log, QStringList{u"NMEA replay file cannot be used (%1): %2"_qs.arg(
                                QLatin1String(c.why), path)});
        }
    }

    // The country is named in the geocoder's language: the Sahara, far from any town, in Spanish.
    void aChosenPointIsNamedInTheGeocodersLanguage() {
        OfflineGeocoder spanish(m_places, u"es_ES"_qs);
        Locator inSpanish(device(), spanish, store(), false);
        inSpanish.setChosenLocation(23.5, 12.0);
        QCOMPARE(inSpanish.friendlyLocationText(), u"Níger"_qs);
    }

    // The app's geocoder before its places are read: lookups wait for the reading and are answered in
    // order, and none after their geocoder has gone; once read, at once.
    void lookupsBeforeThePlacesAreReadWaitForThem() {
        const PlaceData places; // not m_places, which another test may have read
        QStringList answers;
        const auto note = [&answers](const std::optional<QList<Placemark>> &found,
                                     const std::optional<QString> &) {
            answers << (found && !found->isEmpty() ? found->first().locality.value_or(QString()) : QString());
        };
        const GeoPoint paris{Longitude(2.3522), Latitude(48.8566)},
            windsor{Longitude(-83.0364), Latitude(42.3149)};
        {
            OfflineGeocoder gone(places, {}, OfflineGeocoder::Unread::wait);
            gone.reverseGeocode(windsor, note);
        }
        OfflineGeocoder offline(places, {}, OfflineGeocoder::Unread::wait);
        offline.reverseGeocode(paris, note);
        offline.reverseGeocode(windsor, note);
        QTest::qWait(50);
        QVERIFY(answers.isEmpty()); // nobody has started reading
        places.preload();
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 2, 20000);
        QCOMPARE(answers, (QStringList{u"Paris"_qs, u"Windsor"_qs}));
        offline.reverseGeocode(paris, note);
        QCOMPARE(answers.size(), 3);
    }

    // No location source yet: the zone's principal location from the first report, a locating
    // state, and each way it ends.
    void approximatePlaceUntilTheFirstFix() {
        const struct {
            const char *ending;
            double latitude;          // afterwards
            bool approximate, failed; // afterwards
            int stops;
        } cases[] = {
            {"fix", 48.85, false, false, 1},
            {"fix at 0,0", 52.5, true, false, 0}, // is no fix: still locating
            {"failure", 52.5, true, true, 1},
            {"failure, a place saved", -33.87, false, true, 1},
            {"cancel", 52.5, true, false, 1},
            {"choice", 45.9, false, false, 1}, // a place chosen meanwhile
        };
        for (const auto &c : cases) {
            init();
            const std::string_view ending(c.ending);
            if (ending == "failure, a place saved")
                store().setDouble(u"lunafold.calculationLatitude"_qs, -33.87);
            auto locator = make(true);
            locator->setApproximatePlace(ApproximatePlace{52.5, 13.4, u"Europe/Berlin"_qs, u"Berlin"_qs});
            locator->didChangeAuthorization(LocationAuthorization::authorizedWhenInUse);
            QVERIFY(locator->locating() && locator->approximate());
            QCOMPARE(locator->latitude(), 52.5); // its name is tst_location's
            QCOMPARE(store().doubleForKey(u"lunafold.calculationLatitude"_qs),
                     c.latitude == -33.87 ? -33.87 : 0.0); // an approximate place is never saved
            if (ending == "fix")
                locator->didUpdateLocations({{48.85, 2.35, kNow}}, kNow);
            else if (ending == "fix at 0,0")
                locator->didUpdateLocations({{0.0, 0.0, kNow}}, kNow);
            else if (ending.starts_with("failure"))
                locator->didFailWithError(u"timeout"_qs);
            else if (ending == "cancel")
                locator->cancelLocating();
            else
                locator->setChosenLocation(45.9, 6.9);
            QVERIFY2(locator->latitude() == c.latitude && locator->approximate() == c.approximate &&
                         locator->failed() == c.failed && locator->locating() == (ending == "fix at 0,0") &&
                         device().stops == c.stops,
                     c.ending);
        }
    }

    void headings() {
        // True north first, magnetic if that is all there is; an invalid report keeps the last.
        auto locator = make(false);
        for (const auto &[trueHeading, magnetic, expected] :
             {std::tuple{-1.0, -1.0, -1.0}, {-1.0, 120.0, 120.0}, {30.0, 120.0, 30.0}, {-1.0, -1.0, 30.0}}) {
            locator->didUpdateHeading(trueHeading, magnetic);
            QCOMPARE(locator->heading().value_or(-1), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestLocator)
#include "tst_locator.moc"
