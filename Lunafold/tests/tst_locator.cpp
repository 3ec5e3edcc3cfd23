// SPDX-License-Identifier: MIT
// The location service's state machine, fixes, failures and place texts, on fake platform parts.
#include "Fakes.h"
#include "common/Log.h"
#include "common/UserDefaults.h"
#include "core/geo/OfflineGeocoder.h"
#include "core/services/Locator.h"
#include "core/services/QtLocationManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <future>
#include <sys/stat.h>

using namespace lunafold;

namespace {

const Instant kNow = Instant::trusted(1712836800);

} // namespace

class TestLocator : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_store;
    const PlaceData m_places;
    test::FakeDevice m_manager;
    test::FakeGeocoder m_geocoder;
    QStringList m_log;

    std::unique_ptr<Locator> make(bool useCurrentLocation) {
        m_log.clear();
        return std::make_unique<Locator>(m_manager, m_geocoder, *m_store, useCurrentLocation);
    }

  private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        setLogSink([this](const QString &l) { m_log << l; });
    }
    void init() {
        QFile::remove(m_dir.filePath(QStringLiteral("p.ini")));
        m_store =
            std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("p.ini")), [](const QString &) {});
        m_manager = {};
        m_manager.status = LocationAuthorization::notDetermined;
        m_geocoder = {};
        m_geocoder.answer.reset();
    }

    void notDeterminedAsksOrLoads() {
        auto asking = make(true);
        asking->didChangeAuthorization(LocationAuthorization::notDetermined);
        QCOMPARE(m_log, (QStringList{"LOC0. didChangeAuthorization called.",
                                     "LOC1. location Authorization Status has changed to .notDetermined",
                                     "LOC1A. Requesting Location Authorization.."}));
        QCOMPARE(m_manager.requests, 1);
        QVERIFY(!asking->hasLocation());
        auto loading = make(false);
        loading->didChangeAuthorization(LocationAuthorization::notDetermined);
        QCOMPARE(m_log.last(), QStringLiteral("LOC11. Loaded location from device"));
        QVERIFY(loading->hasLocation());
        QCOMPARE(loading->latitude(), 0.0);
        QCOMPARE(loading->friendlyLocationText(), QStringLiteral(" ")); // nothing ever saved
        QCOMPARE(loading->timezoneName(), QStringLiteral("Europe/Berlin"));
    }

    void aFreshFixIsTakenSavedAndGeocoded() {
        m_geocoder.answer = QList<Placemark>{{QStringLiteral("Paris"), QStringLiteral("Île-de-France"),
                                              QStringLiteral("France"), QStringLiteral("Europe/Paris")}};
        auto locator = make(true);
        locator->didChangeAuthorization(LocationAuthorization::authorizedWhenInUse);
        QVERIFY(locator->locationServicesAvailable());
        QCOMPARE(m_manager.starts, 1);
        // A fix 20 s old is ignored and updates go on.
        locator->didUpdateLocations({{48.85, 2.35, kNow.plusSeconds(-20)}}, kNow);
        QVERIFY(!locator->hasLocation());
        QCOMPARE(m_manager.stops, 0);
        locator->didUpdateLocations({{10, 10, kNow.plusSeconds(-60)}, {48.85, 2.35, kNow.plusSeconds(-5)}},
                                    kNow);
        QCOMPARE(m_manager.stops, 1);
        QCOMPARE(locator->latitude(), 48.85);
        QCOMPARE(locator->friendlyLocationText(), QStringLiteral("Paris, Île-de-France"));
        QCOMPARE(locator->timezoneName(), QStringLiteral("Europe/Paris"));
        QVERIFY(m_log.contains(QStringLiteral("LOC6. Stopping Location Services")));
        QVERIFY(m_log.filter(QStringLiteral("LOC5. Location Received <48.85")).size() == 1);
        QCOMPARE(m_log.count(QStringLiteral("LOC10. Saved location on device")),
                 2); // at once, then with the place
        QCOMPARE(m_store->stringForKey(QStringLiteral("lunafold.timezone")), QStringLiteral("Europe/Paris"));
        QCOMPARE(m_store->doubleForKey(QStringLiteral("lunafold.calculationLongitude")), 2.35);
    }

    void aFailureLoadsTheSavedPlace() {
        m_store->setDouble(QStringLiteral("lunafold.calculationLatitude"), -33.87);
        m_store->setString(QStringLiteral("lunafold.timezone"),
                           QStringLiteral("Mars/Base")); // unknown: device zone
        auto locator = make(true);
        locator->didFailWithError(QStringLiteral("timeout"));
        QCOMPARE(m_log.mid(0, 2), (QStringList{"LOC4. didFailWithError called. Error was timeout",
                                               "LOC6. Stopping Location Services"}));
        QCOMPARE(locator->latitude(), -33.87);
        QCOMPARE(locator->timezoneName(), QStringLiteral("Europe/Berlin"));
        QCOMPARE(locator->friendlyLocationText(), QStringLiteral(" "));
    }

    // A geocoder error gives the dash too: tst_location follows it to the place line.
    void anEmptyAnswerGivesADash() {
        auto locator = make(false);
        m_geocoder.answer = QList<Placemark>{};
        locator->setChosenLocation(3, 4);
        QCOMPARE(locator->friendlyLocationText(), QStringLiteral("-"));
        QCOMPARE(locator->latitude(), 3.0);
    }

    void placeTexts_data() {
        QTest::addColumn<QStringList>("parts"); // locality, area, country ("" = absent)
        QTest::addColumn<QString>("text");
        QTest::newRow("all three") << QStringList{"Sydney", "New South Wales", "Australia"}
                                   << "Sydney, New South Wales";
        QTest::newRow("locality and country") << QStringList{"Paris", "", "France"} << "Paris, France";
        QTest::newRow("area and country")
            << QStringList{"", "Texas", "United States"} << "Texas, United States";
        QTest::newRow("country") << QStringList{"", "", "Iceland"} << "Iceland";
        QTest::newRow("none") << QStringList{"", "", ""} << " ";
    }
    void placeTexts() {
        QFETCH(QStringList, parts);
        QFETCH(QString, text);
        auto part = [&](int i) {
            return parts[i].isEmpty() ? std::nullopt : std::optional<QString>(parts[i]);
        };
        QCOMPARE(Locator::placeText({part(0), part(1), part(2), std::nullopt}), text);
    }

    void manualStartWhileDeniedRestoresTheSavedPlace() {
        m_store->setDouble(QStringLiteral("lunafold.calculationLatitude"), 51.5);
        m_store->setString(QStringLiteral("lunafold.friendlyLocationText"),
                           QStringLiteral("London, England"));
        m_manager.status = LocationAuthorization::denied;
        auto locator = make(false);
        locator->startCurrentLocation();
        QCOMPARE(
            m_log.mid(0, 3),
            (QStringList{"LOC7. Manual Start Location Services", "LOC7A. Setting useCurrentLocation to true.",
                         "LOC3. location Authorization Status has changed to .restricted or .denied"}));
        QCOMPARE(locator->latitude(), 51.5);
        QCOMPARE(locator->friendlyLocationText(), QStringLiteral("London, England"));
    }

    void anNmeaReplayGivesAFixThatIsSavedAndGeocodedOffline() {
        // $GPRMC for 48°51.000' N, 2°21.000' E; replayed fixes stand in for a live device.
        auto sentence = [](const QByteArray &body) {
            char sum = 0;
            for (char c : body)
                sum ^= c;
            return "$" + body + "*" +
                   QByteArray::number(static_cast<uchar>(sum), 16).toUpper().rightJustified(2, '0') + "\r\n";
        };
        QFile log(m_dir.filePath(QStringLiteral("paris.nmea")));
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write(sentence("GPRMC,120000,A,4851.000,N,00221.000,E,0.0,0.0,230424,,,A"));
        log.write(sentence("GPRMC,120001,A,4851.000,N,00221.000,E,0.0,0.0,230424,,,A"));
        log.close();
        OfflineGeocoder offline(m_places);
        QtLocationManager manager(log.fileName());
        Locator locator(manager, offline, *m_store, true);
        manager.attach(&locator);
        QTRY_VERIFY_WITH_TIMEOUT(locator.hasLocation(), 5000);
        QCOMPARE(locator.latitude(), 48.85);
        QCOMPARE(locator.friendlyLocationText(), QStringLiteral("Paris, Île-de-France"));
        QCOMPARE(m_store->stringForKey(QStringLiteral("lunafold.timezone")), QStringLiteral("Europe/Paris"));
    }

    // Rows: replay logs that cannot be used. Start-up goes on at once, without a source, and says why.
    void unusableReplayLogs_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "missing"
                                 << "no such file";
        QTest::newRow("pipe without a writer") << "fifo"
                                               << "not a regular file";
        QTest::newRow("folder") << "folder"
                                << "not a regular file";
    }
    void unusableReplayLogs() {
        QFETCH(QString, kind);
        QFETCH(QString, why);
        const QString path = m_dir.filePath(kind + QStringLiteral(".nmea"));
        if (kind == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 || errno == EEXIST);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
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
            QFAIL("opening the replay log blocked start-up");
        }
        QCOMPARE(made.get(), LocationAuthorization::restricted);
        QCOMPARE(m_log,
                 QStringList{QStringLiteral("NMEA replay file cannot be used (%1): %2").arg(why, path)});
    }

    void noPositionSourceLoadsTheSavedPlace() {
        QtLocationManager manager(m_dir.filePath(QStringLiteral("missing.nmea")));
        // These machines have no compass backend: no heading data, and starting it changes nothing.
        QVERIFY(!manager.headingAvailable());
        manager.startUpdatingHeading();
        m_store->setDouble(QStringLiteral("lunafold.calculationLatitude"), 12.5);
        Locator locator(manager, m_geocoder, *m_store, true);
        manager.attach(&locator);
        QTRY_VERIFY_WITH_TIMEOUT(locator.hasLocation(), 5000); // the saved place
        QCOMPARE(locator.latitude(), 12.5);
    }

    void aChosenPointIsLookedUpOffline() {
        OfflineGeocoder offline(m_places);
        Locator locator(m_manager, offline, *m_store, false);
        locator.setChosenLocation(42.3149, -83.0364); // Windsor, across the river from Detroit
        QCOMPARE(locator.timezoneName(), QStringLiteral("America/Toronto"));
        QVERIFY(locator.friendlyLocationText().startsWith(u"Windsor, "));
        locator.setChosenLocation(-30, -140); // the open Pacific
        QCOMPARE(locator.timezoneName(), QStringLiteral("Etc/GMT+9"));
        QCOMPARE(locator.friendlyLocationText(), QStringLiteral(" "));
        // The country is named in the geocoder's language: the Sahara, far from any town, in Spanish.
        OfflineGeocoder spanish(m_places, QStringLiteral("es_ES"));
        Locator inSpanish(m_manager, spanish, *m_store, false);
        inSpanish.setChosenLocation(23.5, 12.0);
        QCOMPARE(inSpanish.friendlyLocationText(), QStringLiteral("Níger"));
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
        QCOMPARE(answers, (QStringList{QStringLiteral("Paris"), QStringLiteral("Windsor")}));
        offline.reverseGeocode(paris, note);
        QCOMPARE(answers.size(), 3);
    }

    // No location source yet: the zone's principal location from the first report, a locating
    // state, and each way it ends.
    void approximatePlaceUntilTheFirstFix_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<double>("latitude");  // afterwards
        QTest::addColumn<bool>("approximate"); // afterwards
        QTest::addColumn<bool>("failed");
        QTest::addColumn<int>("stops");
        QTest::newRow("a fix") << "fix" << 48.85 << false << false << 1;
        QTest::newRow("a fix at 0,0 is no fix") << "zero" << 52.5 << true << false << 0;
        QTest::newRow("a failure, nothing saved") << "failure" << 52.5 << true << true << 1;
        QTest::newRow("a failure, a place saved") << "failure-saved" << -33.87 << false << true << 1;
        QTest::newRow("cancelled") << "cancel" << 52.5 << true << false << 1;
        QTest::newRow("a place chosen meanwhile") << "choice" << 45.9 << false << false << 1;
    }
    void approximatePlaceUntilTheFirstFix() {
        QFETCH(QString, ending);
        QFETCH(double, latitude);
        QFETCH(bool, approximate);
        QFETCH(bool, failed);
        QFETCH(int, stops);
        if (ending == u"failure-saved")
            m_store->setDouble(QStringLiteral("lunafold.calculationLatitude"), -33.87);
        auto locator = make(true);
        locator->setApproximatePlace(
            ApproximatePlace{52.5, 13.4, QStringLiteral("Europe/Berlin"), QStringLiteral("Berlin")});
        locator->didChangeAuthorization(LocationAuthorization::authorizedWhenInUse);
        QVERIFY(locator->locating() && locator->approximate());
        QCOMPARE(locator->latitude(), 52.5);
        QCOMPARE(locator->friendlyLocationText(), QStringLiteral("Berlin"));
        QCOMPARE(m_store->doubleForKey(QStringLiteral("lunafold.calculationLatitude")),
                 ending == u"failure-saved" ? -33.87 : 0.0); // an approximate place is never saved
        if (ending == u"fix")
            locator->didUpdateLocations({{48.85, 2.35, kNow}}, kNow);
        else if (ending == u"zero")
            locator->didUpdateLocations({{0.0, 0.0, kNow}}, kNow);
        else if (ending.startsWith(u"failure"))
            locator->didFailWithError(QStringLiteral("timeout"));
        else if (ending == u"cancel")
            locator->cancelLocating();
        else
            locator->setChosenLocation(45.9, 6.9);
        QCOMPARE(locator->latitude(), latitude);
        QCOMPARE(locator->approximate(), approximate);
        QCOMPARE(locator->failed(), failed);
        QCOMPARE(locator->locating(), ending == u"zero");
        QCOMPARE(m_manager.stops, stops);
    }

    void headings() {
        auto locator = make(false);
        locator->didUpdateHeading(-1, -1);
        QVERIFY(!locator->heading());
        locator->didUpdateHeading(-1, 120);
        QCOMPARE(*locator->heading(), 120.0);
        locator->didUpdateHeading(30, 120);
        QCOMPARE(*locator->heading(), 30.0);
        locator->didUpdateHeading(-1, -1);
        QCOMPARE(*locator->heading(), 30.0);
    }
};

QTEST_GUILESS_MAIN(TestLocator)
#include "tst_locator.moc"
