// SPDX-License-Identifier: MIT
// Offline reverse geocoding: zones inside and at the borders of zones, at sea, place texts on every
// continent, input checks, the 100 km cut-off, and how the reader copes with missing or bad data.
#include "ReverseGeocoder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using namespace lunafold;

class TestGeocoder : public QObject {
    Q_OBJECT

private:
    static const ReverseGeocoder &geo() { return *ReverseGeocoder::shared(); }

    static QString dataFile(const char *name) {
        return QDir(ReverseGeocoder::defaultDirectory()).filePath(QString::fromLatin1(name));
    }

    // A directory with the real zone grid and the given places.
    static void writeData(const QTemporaryDir &dir, const QByteArray &places, const QByteArray *grid = nullptr) {
        QFile p(dir.filePath(QStringLiteral("places.tsv")));
        QVERIFY(p.open(QIODevice::WriteOnly));
        p.write(places);
        p.close();
        if (grid) {
            QFile g(dir.filePath(QStringLiteral("tzgrid.bin")));
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(*grid);
        } else {
            QVERIFY(QFile::copy(dataFile("tzgrid.bin"), dir.filePath(QStringLiteral("tzgrid.bin"))));
        }
    }

private Q_SLOTS:
    void initTestCase() {
        QElapsedTimer timer;
        timer.start();
        ReverseGeocoder::shared();
        qInfo("geodata loaded in %lld ms", static_cast<long long>(timer.elapsed()));
        QVERIFY2(geo().isLoaded(), qPrintable(ReverseGeocoder::defaultDirectory()));
        qInfo("geodata: %lld bytes read from %s", static_cast<long long>(geo().dataSize()),
              qPrintable(ReverseGeocoder::defaultDirectory()));
        QVERIFY(geo().dataSize() < 15 * 1024 * 1024);
    }

    void testZone_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("zone");
        // Well inside a zone.
        QTest::newRow("Paris") << 48.8566 << 2.3522 << u"Europe/Paris"_qs;
        QTest::newRow("New York") << 40.7128 << -74.0060 << u"America/New_York"_qs;
        QTest::newRow("Tokyo") << 35.6762 << 139.6503 << u"Asia/Tokyo"_qs;
        QTest::newRow("Sydney") << -33.8688 << 151.2093 << u"Australia/Sydney"_qs;
        QTest::newRow("Sao Paulo") << -23.5505 << -46.6333 << u"America/Sao_Paulo"_qs;
        QTest::newRow("Nairobi") << -1.2864 << 36.8172 << u"Africa/Nairobi"_qs;
        QTest::newRow("Kashgar") << 39.4704 << 75.9898 << u"Asia/Urumqi"_qs;
        QTest::newRow("Buenos Aires") << -34.6037 << -58.3816 << u"America/Argentina/Buenos_Aires"_qs;
        QTest::newRow("McMurdo") << -77.846 << 166.676 << u"Antarctica/McMurdo"_qs;
        // Across borders a few kilometres apart.
        QTest::newRow("Detroit") << 42.3314 << -83.0458 << u"America/Detroit"_qs;
        QTest::newRow("Windsor") << 42.3149 << -83.0364 << u"America/Toronto"_qs;
        QTest::newRow("El Paso") << 31.7619 << -106.4850 << u"America/Denver"_qs;
        QTest::newRow("Ciudad Juarez") << 31.6904 << -106.4245 << u"America/Ciudad_Juarez"_qs;
        QTest::newRow("Lord Howe Island") << -31.5553 << 159.0821 << u"Australia/Lord_Howe"_qs;
        QTest::newRow("Chatham Islands") << -43.9535 << -176.5597 << u"Pacific/Chatham"_qs;
        // Open sea: nautical zones, east of Greenwich is GMT-N.
        QTest::newRow("Pacific") << 0.0 << -140.0 << u"Etc/GMT+9"_qs;
        QTest::newRow("Indian Ocean") << -30.0 << 80.0 << u"Etc/GMT-5"_qs;
        QTest::newRow("Atlantic") << 30.0 << -40.0 << u"Etc/GMT+3"_qs;
        QTest::newRow("South Atlantic") << -10.0 << 0.0 << u"Etc/GMT"_qs;
    }
    void testZone() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, zone);
        const auto place = geo().lookup(lat, lon);
        QVERIFY(place);
        QCOMPARE(place->timeZone, zone);
    }

    void testPlace_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("locality");
        QTest::addColumn<QString>("adminArea"); // empty: none
        QTest::addColumn<QString>("country");
        QTest::newRow("Paris") << 48.8566 << 2.3522 << u"Paris"_qs << u"Île-de-France"_qs << u"France"_qs;
        QTest::newRow("Moscow") << 55.7558 << 37.6173 << u"Moscow"_qs << u"Moskva"_qs << u"Russia"_qs;
        QTest::newRow("Reykjavik") << 64.1466 << -21.9426 << u"Reykjavík"_qs << u"Suðurnes"_qs << u"Iceland"_qs;
        QTest::newRow("New York") << 40.7128 << -74.0060 << u"New York"_qs << u"New York"_qs
                                  << u"United States of America"_qs;
        QTest::newRow("Mexico City") << 19.4326 << -99.1332 << u"Mexico City"_qs << u"Distrito Federal"_qs
                                     << u"Mexico"_qs;
        QTest::newRow("Anchorage") << 61.2181 << -149.9003 << u"Anchorage"_qs << u"Alaska"_qs
                                   << u"United States of America"_qs;
        QTest::newRow("Windsor") << 42.3149 << -83.0364 << u"Windsor"_qs << u"Ontario"_qs << u"Canada"_qs;
        QTest::newRow("Sao Paulo") << -23.5505 << -46.6333 << u"Sao Paulo"_qs << u"São Paulo"_qs << u"Brazil"_qs;
        QTest::newRow("Lima") << -12.0464 << -77.0428 << u"Lima"_qs << u"Lima"_qs << u"Peru"_qs;
        QTest::newRow("Nairobi") << -1.2864 << 36.8172 << u"Nairobi"_qs << u"Nairobi"_qs << u"Kenya"_qs;
        QTest::newRow("Cairo") << 30.0444 << 31.2357 << u"Cairo"_qs << u"Al Qahirah"_qs << u"Egypt"_qs;
        QTest::newRow("Cape Town") << -33.9249 << 18.4241 << u"Cape Town"_qs << u"Western Cape"_qs
                                   << u"South Africa"_qs;
        QTest::newRow("Tokyo") << 35.6762 << 139.6503 << u"Tokyo"_qs << u"Tokyo"_qs << u"Japan"_qs;
        QTest::newRow("Mumbai") << 19.0760 << 72.8777 << u"Mumbai"_qs << u"Maharashtra"_qs << u"India"_qs;
        QTest::newRow("Kashgar") << 39.4704 << 75.9898 << u"Kashgar"_qs << u"Xinjiang Uygur"_qs << u"China"_qs;
        QTest::newRow("Sydney") << -33.8688 << 151.2093 << u"Sydney"_qs << u"New South Wales"_qs << u"Australia"_qs;
        QTest::newRow("Auckland") << -36.8485 << 174.7633 << u"Auckland"_qs << u"Auckland"_qs << u"New Zealand"_qs;
        QTest::newRow("Scott Base") << -77.846 << 166.676 << u"Scott Base"_qs << QString() << u"Antarctica"_qs;
    }
    void testPlace() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, locality);
        QFETCH(QString, adminArea);
        QFETCH(QString, country);
        const auto place = geo().lookup(lat, lon);
        QVERIFY(place);
        QCOMPARE(place->locality, std::optional<QString>(locality));
        QCOMPARE(place->country, std::optional<QString>(country));
        QCOMPARE(place->adminArea, adminArea.isEmpty() ? std::nullopt : std::optional<QString>(adminArea));
    }

    void testNoPlaceFarAway_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::newRow("Pacific") << 0.0 << -140.0;
        QTest::newRow("Indian Ocean") << -30.0 << 80.0;
        QTest::newRow("Lord Howe Island") << -31.5553 << 159.0821; // 580 km from the nearest listed place
        QTest::newRow("Chatham Islands") << -43.9535 << -176.5597;
        QTest::newRow("North Pole") << 90.0 << 0.0;
    }
    void testNoPlaceFarAway() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        const auto place = geo().lookup(lat, lon);
        QVERIFY(place);
        QVERIFY(!place->locality && !place->adminArea && !place->country);
        QVERIFY(!place->timeZone.isEmpty());
    }

    void testInput_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<bool>("valid");
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("lat > 90") << 90.0001 << 0.0 << false;
        QTest::newRow("lat < -90") << -91.0 << 0.0 << false;
        QTest::newRow("lon > 180") << 0.0 << 180.5 << false;
        QTest::newRow("lon < -180") << 0.0 << -181.0 << false;
        QTest::newRow("NaN") << nan << 0.0 << false;
        QTest::newRow("inf") << 0.0 << inf << false;
        QTest::newRow("north pole") << 90.0 << 0.0 << true;
        QTest::newRow("south pole") << -90.0 << 0.0 << true;
        QTest::newRow("antimeridian east") << 0.0 << 180.0 << true;
        QTest::newRow("antimeridian west") << 0.0 << -180.0 << true;
    }
    void testInput() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(bool, valid);
        const auto place = geo().lookup(lat, lon);
        QCOMPARE(place.has_value(), valid);
        if (place) QVERIFY(!place->timeZone.isEmpty());
    }

    void testNauticalZone_data() {
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("zone");
        QTest::newRow("0") << 0.0 << u"Etc/GMT"_qs;
        QTest::newRow("7.4 E") << 7.4 << u"Etc/GMT"_qs;
        QTest::newRow("7.6 E") << 7.6 << u"Etc/GMT-1"_qs;
        QTest::newRow("7.6 W") << -7.6 << u"Etc/GMT+1"_qs;
        QTest::newRow("80 E") << 80.0 << u"Etc/GMT-5"_qs;
        QTest::newRow("140 W") << -140.0 << u"Etc/GMT+9"_qs;
        QTest::newRow("180 E") << 180.0 << u"Etc/GMT-12"_qs;
        QTest::newRow("180 W") << -180.0 << u"Etc/GMT+12"_qs;
    }
    void testNauticalZone() {
        QFETCH(double, lon);
        QFETCH(QString, zone);
        QCOMPARE(ReverseGeocoder::nauticalZone(lon), zone);
    }

    // The nearest place wins, across bucket edges and the antimeridian, up to the cut-off.
    void testNearest_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("locality"); // empty: none within the cut-off
        QTest::newRow("at A") << 10.0 << 10.0 << u"A"_qs;
        QTest::newRow("nearer B across a bucket edge") << 10.0 << 10.95 << u"B"_qs;
        QTest::newRow("nearer A across a bucket edge") << 10.0 << 10.45 << u"A"_qs;
        QTest::newRow("90 km north of A") << 10.0 + 90.0 / 111.2 << 10.0 << u"A"_qs;
        QTest::newRow("110 km north of A") << 10.0 + 110.0 / 111.2 << 10.0 << QString();
        QTest::newRow("across the antimeridian") << -20.0 << -179.8 << u"E"_qs;
        QTest::newRow("high latitude, 3 degrees of longitude away") << 85.0 << 3.0 << u"N"_qs;
        QTest::newRow("nothing near") << -50.0 << -50.0 << QString();
    }
    void testNearest() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, locality);
        QTemporaryDir dir;
        writeData(dir, "# comment\n"
                       "10\t10\tA\tRegion\tLand\n"
                       "10\t11.2\tB\t\tLand\n"
                       "-20\t179.9\tE\tIsles\tSea Land\n"
                       "85\t0\tN\tArctic\tNorth\n");
        const ReverseGeocoder g(dir.path());
        QVERIFY(g.isLoaded());
        const auto place = g.lookup(lat, lon);
        QVERIFY(place);
        QCOMPARE(place->locality, locality.isEmpty() ? std::nullopt : std::optional<QString>(locality));
        QCOMPARE(place->country.has_value(), !locality.isEmpty());
    }

    void testMissingOrBadData_data() {
        QTest::addColumn<QByteArray>("places");
        QTest::addColumn<QByteArray>("grid");
        QTest::addColumn<bool>("placesOk");
        QByteArray real;
        {
            QFile f(dataFile("tzgrid.bin"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            real = f.readAll();
        }
        const QByteArray places = "48.85\t2.35\tParis\tIDF\tFrance\n";
        QTest::newRow("truncated grid") << places << real.left(real.size() / 2) << true;
        QTest::newRow("not compressed") << places << QByteArray("LFTZ garbage") << true;
        const QByteArray raw = qUncompress(real);
        QTest::newRow("grid with a byte missing") << places << qCompress(raw.left(raw.size() - 1)) << true;
        QByteArray badZone = raw;
        badZone[badZone.size() - 1] = char(0x7F); // last sample's zone index out of range
        QTest::newRow("zone index out of range") << places << qCompress(badZone) << true;
        QTest::newRow("bad places") << QByteArray("48.85\tParis\n") << real << false;
        QTest::newRow("latitude out of range") << QByteArray("98\t2\tX\tY\tZ\n") << real << false;
    }
    void testMissingOrBadData() {
        QFETCH(QByteArray, places);
        QFETCH(QByteArray, grid);
        QFETCH(bool, placesOk);
        QTemporaryDir dir;
        writeData(dir, places, &grid);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"incomplete geodata"_qs));
        const ReverseGeocoder g(dir.path());
        QVERIFY(!g.isLoaded());
        // Still answers: the nautical zone, and the place when the places file was good.
        const auto place = g.lookup(48.8566, 2.3522);
        QVERIFY(place);
        QCOMPARE(place->timeZone, placesOk ? u"Etc/GMT"_qs : u"Europe/Paris"_qs);
        QCOMPARE(place->locality.has_value(), placesOk);
    }

    void testNoDirectory() {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"incomplete geodata"_qs));
        const ReverseGeocoder g(u"/nonexistent/geodata"_qs);
        QVERIFY(!g.isLoaded());
        const auto place = g.lookup(35.6762, 139.6503);
        QVERIFY(place);
        QCOMPARE(place->timeZone, u"Etc/GMT-9"_qs);
        QVERIFY(!place->locality);
    }

    void testLookupTime() {
        QRandomGenerator rng(20240423);
        constexpr int kCount = 200000;
        std::vector<std::pair<double, double>> points(kCount);
        // Half anywhere, half over densely settled Europe, where buckets are fullest.
        for (std::size_t i = 0; i < points.size(); ++i)
            points[i] = i % 2 ? std::pair{rng.bounded(180.0) - 90.0, rng.bounded(360.0) - 180.0}
                              : std::pair{rng.bounded(15.0) + 40.0, rng.bounded(25.0) - 5.0};
        QElapsedTimer timer;
        timer.start();
        int withPlace = 0;
        for (const auto &[lat, lon] : points) {
            const auto place = geo().lookup(lat, lon);
            if (place && place->locality) ++withPlace;
        }
        const double usPerLookup = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / kCount;
        qInfo("lookup: %.2f us on average over %d random points (%d with a place)", usPerLookup, kCount, withPlace);
        QVERIFY(withPlace > 0);
        QVERIFY(usPerLookup < 1000.0);
    }
};

QTEST_GUILESS_MAIN(TestGeocoder)
#include "tst_geocoder.moc"
