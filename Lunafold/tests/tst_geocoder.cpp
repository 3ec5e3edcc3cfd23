// SPDX-License-Identifier: MIT
// Offline reverse geocoding and place search: zones inside, across borders and at sea (and how
// often they agree with the boundaries they were built from, at points held out of the build),
// the locality in the point's own country, search by name, and crafted or damaged data files.
#include "core/geo/ApproximatePlace.h"
#include "core/geo/PlaceSearch.h"
#include "core/geo/ReverseGeocoder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <limits>

using namespace lunafold;

class TestGeocoder : public QObject {
    Q_OBJECT

  private:
    static GeoPoint pt(double lat, double lon) { return GeoPoint{Longitude(lon), Latitude(lat)}; }
    static const ReverseGeocoder &geo() {
        static const ReverseGeocoder data(ReverseGeocoder::defaultDirectory());
        return data;
    }

    static QByteArray readData(const char *name) {
        QFile f(QDir(ReverseGeocoder::defaultDirectory()).filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static std::optional<QString> opt(const QString &s) {
        return s.isEmpty() ? std::nullopt : std::optional(s);
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(geo().isLoaded(), qPrintable(ReverseGeocoder::defaultDirectory()));
        QVERIFY(geo().places().placeCount() >= 100000);
        qInfo("geodata: %lld bytes on disk, places and index %zu bytes in memory",
              static_cast<long long>(geo().dataSize()), geo().places().memoryBytes());
        QVERIFY(geo().places().memoryBytes() < 40u * 1024 * 1024);
    }

    void zones() {
        const struct {
            double lat, lon;
            const char *zone;
        } cases[] = {
            {48.8566, 2.3522, "Europe/Paris"},
            {39.4704, 75.9898, "Asia/Urumqi"}, // Kashgar
            {-77.846, 166.676, "Antarctica/McMurdo"},
            // Borders a few kilometres apart: Detroit and Windsor, El Paso and Ciudad Juárez, the Hopi
            // (Second Mesa) and the Navajo (Tuba City), Tomsk and Yekaterinburg.
            {42.3314, -83.0458, "America/Detroit"},
            {42.3149, -83.0364, "America/Toronto"},
            {31.7619, -106.4850, "America/Denver"},
            {31.6904, -106.4245, "America/Ciudad_Juarez"},
            {35.8714, -110.6226, "America/Phoenix"},
            {36.1336, -111.2399, "America/Denver"},
            {56.4977, 84.9744, "Asia/Tomsk"},
            {56.8389, 60.6057, "Asia/Yekaterinburg"},
            // Territorial waters belong to the country (10 km off Nice); beyond them the nautical
            // zones (east is GMT-N): 150 km off Cape Cod, the Gulf of Guinea, Indian Ocean, Pacific.
            {43.62, 7.30, "Europe/Paris"},
            {39.63, -69.17, "Etc/GMT+5"},
            {0.0, 0.0, "Etc/GMT"},
            {-30.0, 80.0, "Etc/GMT-5"},
            {0.0, -140.0, "Etc/GMT+9"},
        };
        for (const auto &c : cases)
            QCOMPARE(geo().zoneAt(pt(c.lat, c.lon)), QString::fromLatin1(c.zone));
    }

    // Points drawn at random (not the grid's sample points) with the boundaries' own answers,
    // written by tools/geodata/check_zones.mjs.
    void heldOutPointsAgree() {
        QFile file(QFINDTESTDATA("data/zone-points.tsv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QMap<QString, QPair<int, int>> tally; // kind -> (agree, total)
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(u'#') || line.isEmpty())
                continue;
            const QStringList f = line.split(u'\t');
            QCOMPARE(f.size(), 4);
            auto &t = tally[f[3]];
            t.first += geo().zoneAt(GeoPoint{Longitude(f[1].toDouble()), Latitude(f[0].toDouble())}) == f[2];
            ++t.second;
        }
        QCOMPARE(tally.keys(), (QStringList{u"border"_qs, u"land"_qs, u"sea"_qs}));
        for (auto it = tally.cbegin(); it != tally.cend(); ++it) {
            qInfo("%s: %d of %d agree", qPrintable(it.key()), it->first, it->second);
            // Border points lie within 5 km of a zone edge, where the grid's 1 km cells decide.
            QVERIFY2(it->first >= (it.key() == u"border" ? 0.95 : 0.99) * it->second, qPrintable(it.key()));
        }
    }

    void places_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("locality"); // empty: none
        QTest::addColumn<QString>("country");  // empty: none
        // The nearest place in the point's own country, not the nearer one across the border.
        QTest::newRow("Chamonix") << 45.924 << 6.869 << u"Chamonix-Mont-Blanc"_qs << u"France"_qs;
        QTest::newRow("Windsor") << 42.3149 << -83.0364 << u"Windsor"_qs << u"Canada"_qs;
        QTest::newRow("Detroit") << 42.3314 << -83.0458 << u"Detroit"_qs << u"United States"_qs;
        QTest::newRow("Munich") << 48.1374 << 11.5755 << u"Munich"_qs << u"Germany"_qs;
        QTest::newRow("Sydney") << -33.8688 << 151.2093 << u"Sydney"_qs << u"Australia"_qs;
        // Far from any place: area and country only.
        QTest::newRow("Sahara") << 23.5 << 12.0 << QString() << u"Niger"_qs;
        // At sea, and a missing fix at 0°, 0°: no place text.
        QTest::newRow("0 0") << 0.0 << 0.0 << QString() << QString();
        QTest::newRow("off Cape Cod") << 39.63 << -69.17 << QString() << QString();
    }
    void places() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, locality);
        QFETCH(QString, country);
        const auto place = geo().lookup(GeoPoint{Longitude(lon), Latitude(lat)});
        QVERIFY(place);
        QCOMPARE(place->locality, opt(locality));
        QCOMPARE(place->country, opt(country));
        if (country.isEmpty())
            QVERIFY(!place->adminArea);
    }

    // Countries in the screens' language: a locale name or a bare code; English where the data has
    // no names in a language.
    void countryNamesFollowTheLanguage_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("country");
        QTest::newRow("Munich, de_DE") << 48.1374 << 11.5755 << u"de_DE"_qs << u"Deutschland"_qs;
        QTest::newRow("Munich, fr") << 48.1374 << 11.5755 << u"fr"_qs << u"Allemagne"_qs;
        QTest::newRow("Munich, es-MX") << 48.1374 << 11.5755 << u"es-MX"_qs << u"Alemania"_qs;
        QTest::newRow("Munich, en_GB") << 48.1374 << 11.5755 << u"en_GB"_qs << u"Germany"_qs;
        QTest::newRow("Munich, no language") << 48.1374 << 11.5755 << QString() << u"Germany"_qs;
        QTest::newRow("Munich, it: no names") << 48.1374 << 11.5755 << u"it_IT"_qs << u"Germany"_qs;
        QTest::newRow("Detroit, de: the everyday form")
            << 42.3314 << -83.0458 << u"de"_qs << u"Vereinigte Staaten"_qs;
        QTest::newRow("Detroit, fr") << 42.3314 << -83.0458 << u"fr"_qs << u"États-Unis"_qs;
        QTest::newRow("Sydney, de") << -33.8688 << 151.2093 << u"de"_qs << u"Australien"_qs;
        QTest::newRow("Sahara, es") << 23.5 << 12.0 << u"es"_qs << u"Níger"_qs;
        QTest::newRow("at sea, de") << 39.63 << -69.17 << u"de"_qs << QString();
    }
    void countryNamesFollowTheLanguage() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, language);
        QFETCH(QString, country);
        const auto place = geo().lookup(pt(lat, lon), language);
        QVERIFY(place);
        QCOMPARE(place->country, opt(country));
        QCOMPARE(place->locality, geo().lookup(pt(lat, lon))->locality); // only the country is translated
    }

    void input() {
        const double nan = std::numeric_limits<double>::quiet_NaN(),
                     inf = std::numeric_limits<double>::infinity();
        for (const auto &[lat, lon] : {std::pair{90.0001, 0.0}, {0.0, -181.0}, {nan, 0.0}, {0.0, inf}})
            QVERIFY(!geo().lookup(pt(lat, lon)));
        for (const auto &[lat, lon] :
             {std::pair{90.0, 0.0}, {0.0, 180.0}, {0.0, -180.0}}) // pole, antimeridian
            QVERIFY(!geo().lookup(pt(lat, lon)).value_or(ReverseGeocoder::Place{}).timeZone.isEmpty());
    }

    void search_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("locality"); // of the first result; empty: no result
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("zone");
        // Case, diacritics, German transliteration, English and alternate names.
        QTest::newRow("munchen") << u"munchen"_qs << u"Munich"_qs << u"Germany"_qs << u"Europe/Berlin"_qs;
        QTest::newRow("Muenchen") << u"Muenchen"_qs << u"Munich"_qs << u"Germany"_qs << u"Europe/Berlin"_qs;
        QTest::newRow("MÜNCHEN") << u"MÜNCHEN"_qs << u"Munich"_qs << u"Germany"_qs << u"Europe/Berlin"_qs;
        QTest::newRow("Munich") << u"Munich"_qs << u"Munich"_qs << u"Germany"_qs << u"Europe/Berlin"_qs;
        QTest::newRow("chamonix") << u"chamonix"_qs << u"Chamonix-Mont-Blanc"_qs << u"France"_qs
                                  << u"Europe/Paris"_qs;
        QTest::newRow("zurich") << u"zurich"_qs << u"Zürich"_qs << u"Switzerland"_qs << u"Europe/Zurich"_qs;
        QTest::newRow("koln") << u"köln"_qs << u"Köln"_qs << u"Germany"_qs << u"Europe/Berlin"_qs;
        QTest::newRow("sao paulo") << u"Sao Paulo"_qs << u"São Paulo"_qs << u"Brazil"_qs
                                   << u"America/Sao_Paulo"_qs;
        // Population breaks ties; a region or country word narrows.
        QTest::newRow("paris") << u"paris"_qs << u"Paris"_qs << u"France"_qs << u"Europe/Paris"_qs;
        QTest::newRow("Paris Texas") << u"Paris Texas"_qs << u"Paris"_qs << u"United States"_qs
                                     << u"America/Chicago"_qs;
        QTest::newRow("a country word")
            << u"paris canada"_qs << u"Paris"_qs << u"Canada"_qs << u"America/Toronto"_qs;
        QTest::newRow("prefix") << u"amster"_qs << u"Amsterdam"_qs << u"The Netherlands"_qs
                                << u"Europe/Amsterdam"_qs;
        QTest::newRow("nothing") << u"qqqxq"_qs << QString() << QString() << QString();
        QTest::newRow("blank") << u"  ,. "_qs << QString() << QString() << QString();
        // The country words of every language narrow, whatever language the answer is in.
        QTest::newRow("a German country word")
            << u"paris kanada"_qs << u"Paris"_qs << u"Canada"_qs << u"America/Toronto"_qs;
        QTest::newRow("a Spanish country word")
            << u"london estados unidos"_qs << u"London"_qs << u"United States"_qs << u"America/New_York"_qs;
    }
    void search() {
        QFETCH(QString, query);
        QFETCH(QString, locality);
        QFETCH(QString, country);
        QFETCH(QString, zone);
        const auto results = searchPlaces(geo(), query, 5);
        if (locality.isEmpty()) {
            QVERIFY(results.empty());
            return;
        }
        QVERIFY(!results.empty());
        QCOMPARE(results.front().locality, locality);
        QCOMPARE(results.front().country, country);
        QCOMPARE(results.front().timeZone, zone);
        QVERIFY(results.front().placeText.startsWith(locality + QStringLiteral(", ")));
    }

    void searchNamesCountriesInTheLanguage() {
        const auto texas = searchPlaces(geo(), u"paris texas"_qs, 1, u"es_ES"_qs);
        QCOMPARE(texas.size(), 1u);
        QCOMPARE(texas.front().country, u"Estados Unidos"_qs);
        QCOMPARE(texas.front().placeText, u"Paris, Texas"_qs);
        const auto paris = searchPlaces(geo(), u"paris frankreich"_qs, 1, u"de"_qs);
        QCOMPARE(paris.size(), 1u);
        QCOMPARE(paris.front().locality, u"Paris"_qs);
        QCOMPARE(paris.front().country, u"Frankreich"_qs);
    }
    void foldMatchesTheBuildScript() {
        QCOMPARE(PlaceIndex::fold(u"Sant Julià de Lòria"_qs), u"sant julia de loria"_qs);
        QCOMPARE(PlaceIndex::fold(u"Gießen"_qs), u"giessen"_qs);
        QCOMPARE(PlaceIndex::fold(u"  L'Aquila -- (AQ) "_qs), u"l aquila aq"_qs); // punctuation runs
        QCOMPARE(PlaceIndex::fold(u"Æbeltoft Łódź Øster"_qs), u"aebeltoft lodz oster"_qs);
        QCOMPARE(PlaceIndex::fold(u"Москва"_qs), u"москва"_qs); // other scripts kept
    }

    void approximatePlaces_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<double>("lat"); // NaN: none
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("name");
        const double none = std::numeric_limits<double>::quiet_NaN();
        // Coordinates of zone1970.tab (or zone.tab for zones merged since 1970).
        QTest::newRow("Paris") << u"Europe/Paris"_qs << 48 + 52 / 60.0 << 2 + 20 / 60.0 << u"Paris"_qs;
        QTest::newRow("New York, with seconds") << u"America/New_York"_qs << 40 + 42 / 60.0 + 51 / 3600.0
                                                << -(74 + 0 / 60.0 + 23 / 3600.0) << u"New York"_qs;
        QTest::newRow("Sydney") << u"Australia/Sydney"_qs << -(33 + 52 / 60.0) << 151 + 13 / 60.0
                                << u"Sydney"_qs;
        QTest::newRow("Vaduz, zone.tab only")
            << u"Europe/Vaduz"_qs << 47 + 9 / 60.0 << 9 + 31 / 60.0 << u"Vaduz"_qs;
        QTest::newRow("UTC") << u"UTC"_qs << none << none << QString();
        QTest::newRow("Etc/GMT+5") << u"Etc/GMT+5"_qs << none << none << QString();
    }
    void approximatePlaces() {
        QFETCH(QString, zone);
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, name);
        const auto place = ApproximatePlace::forZone(zone);
        QCOMPARE(place.has_value(), !std::isnan(lat));
        if (!place)
            return;
        QVERIFY(std::abs(place->latitude - lat) < 1e-9);
        QVERIFY(std::abs(place->longitude - lon) < 1e-9);
        QCOMPARE(place->name, name);
    }
    void approximateCoordinatesAreChecked() {
        QVERIFY(!ApproximatePlace::parseCoordinates(u"+4852+0022"));  // a digit short
        QVERIFY(!ApproximatePlace::parseCoordinates(u"+4872+00220")); // 72 minutes
    }

    // Crafted files: every count is checked against the bytes present; a bad file is reported and
    // the lookup degrades to the nautical zone and no place text.
    void damagedFiles_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray grid = readData("tzgrid.bin"), places = readData("places.bin");
        QVERIFY(!grid.isEmpty() && !places.isEmpty());
        const QByteArray rawGrid = qUncompress(grid), rawPlaces = qUncompress(places);
        auto withCount = [](QByteArray raw, int offset, quint32 value) {
            qToLittleEndian<quint32>(value, raw.data() + offset);
            return qCompress(raw, 1);
        };
        QByteArray hugeAnnounced = grid;
        qToBigEndian<quint32>(0xFFFFFFF0u, hugeAnnounced.data());
        QTest::newRow("grid: huge size announced") << u"tzgrid.bin"_qs << hugeAnnounced;
        QTest::newRow("grid: huge row count") << u"tzgrid.bin"_qs << withCount(rawGrid, 12, 0xFFFFFFF0u);
        QTest::newRow("grid: huge run count") << u"tzgrid.bin"_qs << withCount(rawGrid, 24, 0x7FFFFFFFu);
        QTest::newRow("grid: huge refined count") << u"tzgrid.bin"_qs << withCount(rawGrid, 28, 0x40000000u);
        QTest::newRow("grid: huge sub-grid") << u"tzgrid.bin"_qs << withCount(rawGrid, 16, 0xFFFFu);
        QTest::newRow("grid: a byte short") << u"tzgrid.bin"_qs << qCompress(rawGrid.chopped(1), 1);
        QTest::newRow("grid: not compressed") << u"tzgrid.bin"_qs << QByteArray("LFTZ garbage");
        QByteArray hugePlaces = places;
        qToBigEndian<quint32>(0xFFFFFFF0u, hugePlaces.data());
        QTest::newRow("places: huge size announced") << u"places.bin"_qs << hugePlaces;
        QTest::newRow("places: huge place count")
            << u"places.bin"_qs << withCount(rawPlaces, 24, 0xFFFFFFF0u);
        QTest::newRow("places: huge string bytes")
            << u"places.bin"_qs << withCount(rawPlaces, 8, 0xFFFFFFF0u);
        QTest::newRow("places: huge key count") << u"places.bin"_qs << withCount(rawPlaces, 28, 0x20000000u);
        QTest::newRow("places: huge language count")
            << u"places.bin"_qs << withCount(rawPlaces, 32, 0x10000000u);
        QTest::newRow("places: a language too many") << u"places.bin"_qs << withCount(rawPlaces, 32, 4);
        QTest::newRow("places: old version") << u"places.bin"_qs << withCount(rawPlaces, 4, 1);
        QTest::newRow("places: truncated")
            << u"places.bin"_qs << qCompress(rawPlaces.left(rawPlaces.size() / 2), 1);
        QTest::newRow("places: empty") << u"places.bin"_qs << QByteArray();
    }
    void damagedFiles() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        for (const char *name : {"tzgrid.bin", "places.bin"}) {
            QFile out(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file == QLatin1String(name) ? bytes : readData(name));
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"incomplete geodata"_qs));
        if (file == u"places.bin")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"places.bin: "_qs));
        const ReverseGeocoder g(dir.path());
        QVERIFY(!g.isLoaded());
        const auto place = g.lookup(GeoPoint{Longitude(6.869), Latitude(45.924)}); // Chamonix
        QVERIFY(place);
        QCOMPARE(place->timeZone, file == u"tzgrid.bin" ? u"Etc/GMT"_qs : u"Europe/Paris"_qs);
        QVERIFY(!place->locality);
        QVERIFY(searchPlaces(g, u"chamonix"_qs, 3).empty() == (file == u"places.bin"));
    }
};

QTEST_GUILESS_MAIN(TestGeocoder)
#include "tst_geocoder.moc"
