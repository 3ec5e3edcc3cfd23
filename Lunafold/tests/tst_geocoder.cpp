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
    static bool writeFile(const QString &path, const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static std::optional<QString> opt(const QString &s) {
        return s.isEmpty() ? std::nullopt : std::optional(s);
    }

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(geo().isLoaded(), qPrintable(ReverseGeocoder::defaultDirectory()));
        QVERIFY(geo().places().placeCount() >= 100000);
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
            // (Second Mesa) and the Navajo (Tuba City).
            {42.3314, -83.0458, "America/Detroit"},
            {42.3149, -83.0364, "America/Toronto"},
            {31.7619, -106.4850, "America/Denver"},
            {31.6904, -106.4245, "America/Ciudad_Juarez"},
            {35.8714, -110.6226, "America/Phoenix"},
            {36.1336, -111.2399, "America/Denver"},
            // Territorial waters belong to the country (10 km off Nice); beyond them the nautical
            // zones (east is GMT-N): 150 km off Cape Cod, the Gulf of Guinea, the Indian Ocean.
            {43.62, 7.30, "Europe/Paris"},
            {39.63, -69.17, "Etc/GMT+5"},
            {0.0, 0.0, "Etc/GMT"},
            {-30.0, 80.0, "Etc/GMT-5"},
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

    // The nearest place in the point's own country, not the nearer one across the border; far from
    // any place area and country only; at sea and at a missing fix (0°, 0°) no place text. Countries
    // in the screens' language (a locale name or a bare code), English where the data has no names
    // in a language; only the country is translated.
    void places() {
        const struct {
            double lat, lon;
            const char *language, *locality, *country; // "": none
        } cases[] = {
            {45.924, 6.869, "", "Chamonix-Mont-Blanc", "France"},
            {42.3149, -83.0364, "", "Windsor", "Canada"},
            {42.3314, -83.0458, "", "Detroit", "United States"},
            {42.3314, -83.0458, "de", "Detroit", "Vereinigte Staaten"}, // the everyday form
            {48.1374, 11.5755, "de_DE", "Munich", "Deutschland"},
            {48.1374, 11.5755, "fr", "Munich", "Allemagne"},
            {48.1374, 11.5755, "es-MX", "Munich", "Alemania"},
            {48.1374, 11.5755, "en_GB", "Munich", "Germany"},
            {48.1374, 11.5755, "it_IT", "Munich", "Germany"}, // no names
            {23.5, 12.0, "es", "", "Níger"},
            {0.0, 0.0, "", "", ""},
            {39.63, -69.17, "de", "", ""},
        };
        for (const auto &c : cases) {
            const auto place = geo().lookup(pt(c.lat, c.lon), QString::fromLatin1(c.language));
            QVERIFY2(place, c.locality);
            QCOMPARE(place->locality, opt(QString::fromUtf8(c.locality)));
            QCOMPARE(place->country, opt(QString::fromUtf8(c.country)));
            if (!*c.country)
                QVERIFY(!place->adminArea);
        }
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

    void search() {
        const struct {
            const char *query, *locality, *country, *zone; // locality "": no result
            const char *language = "";
        } cases[] = {
            // Case, diacritics, German transliteration, English and alternate names.
            {"Muenchen", "Munich", "Germany", "Europe/Berlin"},
            {"MÜNCHEN", "Munich", "Germany", "Europe/Berlin"},
            {"Munich", "Munich", "Germany", "Europe/Berlin"},
            {"Sao Paulo", "São Paulo", "Brazil", "America/Sao_Paulo"},
            // Population breaks ties; a region or country word, in any language, narrows.
            {"paris", "Paris", "France", "Europe/Paris"},
            {"Paris Texas", "Paris", "United States", "America/Chicago"},
            {"paris kanada", "Paris", "Canada", "America/Toronto"},
            {"london estados unidos", "London", "United States", "America/New_York"},
            {"amster", "Amsterdam", "The Netherlands", "Europe/Amsterdam"}, // a prefix
            // Countries named in the screens' language.
            {"paris texas", "Paris", "Estados Unidos", "America/Chicago", "es_ES"},
            {"paris frankreich", "Paris", "Frankreich", "Europe/Paris", "de"},
            {"qqqxq", "", "", ""},
            {"  ,. ", "", "", ""},
        };
        for (const auto &c : cases) {
            const auto results =
                searchPlaces(geo(), QString::fromUtf8(c.query), 5, QString::fromLatin1(c.language));
            QVERIFY2(results.empty() == !*c.locality, c.query);
            if (results.empty())
                continue;
            const QString locality = QString::fromUtf8(c.locality);
            QCOMPARE(results.front().locality, locality);
            QCOMPARE(results.front().country, QString::fromUtf8(c.country));
            QCOMPARE(results.front().timeZone, QString::fromUtf8(c.zone));
            QVERIFY2(results.front().placeText.startsWith(locality + u", "_qs), c.query);
        }
    }

    void foldMatchesTheBuildScript() {
        QCOMPARE(PlaceIndex::fold(u"Sant Julià de Lòria"_qs), u"sant julia de loria"_qs);
        QCOMPARE(PlaceIndex::fold(u"Gießen"_qs), u"giessen"_qs);
        QCOMPARE(PlaceIndex::fold(u"  L'Aquila -- (AQ) "_qs), u"l aquila aq"_qs); // punctuation runs
        QCOMPARE(PlaceIndex::fold(u"Æbeltoft Łódź Øster"_qs), u"aebeltoft lodz oster"_qs);
        QCOMPARE(PlaceIndex::fold(u"Москва"_qs), u"москва"_qs); // other scripts kept
    }

    // Coordinates of zone1970.tab (or zone.tab for zones merged since 1970); none for UTC zones.
    void approximatePlaces() {
        const double none = std::numeric_limits<double>::quiet_NaN();
        const struct {
            const char *zone;
            double lat, lon;
            const char *name;
        } cases[] = {
            {"America/New_York", 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 0 / 60.0 + 23 / 3600.0), "New York"},
            {"Australia/Sydney", -(33 + 52 / 60.0), 151 + 13 / 60.0, "Sydney"},
            {"Europe/Vaduz", 47 + 9 / 60.0, 9 + 31 / 60.0, "Vaduz"}, // zone.tab only
            {"UTC", none, none, ""},
        };
        for (const auto &c : cases) {
            const auto place = ApproximatePlace::forZone(QString::fromLatin1(c.zone));
            QVERIFY2(place.has_value() == !std::isnan(c.lat), c.zone);
            if (!place)
                continue;
            QVERIFY2(std::abs(place->latitude - c.lat) < 1e-9 && std::abs(place->longitude - c.lon) < 1e-9,
                     c.zone);
            QCOMPARE(place->name, QString::fromLatin1(c.name));
        }
        QVERIFY(!ApproximatePlace::parseCoordinates(u"+4852+0022"));  // a digit short
        QVERIFY(!ApproximatePlace::parseCoordinates(u"+4872+00220")); // 72 minutes
    }

    // Crafted files: every count is checked against the bytes present; a bad file is reported and
    // the lookup degrades to the nautical zone and no place text.
    void damagedFiles() {
        const QByteArray grid = readData("tzgrid.bin"), places = readData("places.bin");
        QVERIFY(!grid.isEmpty() && !places.isEmpty());
        const QByteArray rawGrid = qUncompress(grid), rawPlaces = qUncompress(places);
        const auto withCount = [](QByteArray raw, int offset, quint32 value) {
            qToLittleEndian<quint32>(value, raw.data() + offset);
            return qCompress(raw, 1);
        };
        const auto announcing = [](QByteArray file, quint32 size) {
            qToBigEndian<quint32>(size, file.data());
            return file;
        };
        const struct {
            const char *name;
            bool isGrid;
            QByteArray bytes;
        } cases[] = {
            {"grid: huge size announced", true, announcing(grid, 0xFFFFFFF0u)},
            {"grid: huge row count", true, withCount(rawGrid, 12, 0xFFFFFFF0u)},
            {"grid: huge run count", true, withCount(rawGrid, 24, 0x7FFFFFFFu)},
            {"grid: huge refined count", true, withCount(rawGrid, 28, 0x40000000u)},
            {"grid: huge sub-grid", true, withCount(rawGrid, 16, 0xFFFFu)},
            {"grid: a byte short", true, qCompress(rawGrid.chopped(1), 1)},
            {"grid: not compressed", true, QByteArray("LFTZ garbage")},
            {"places: huge size announced", false, announcing(places, 0xFFFFFFF0u)},
            {"places: huge place count", false, withCount(rawPlaces, 24, 0xFFFFFFF0u)},
            {"places: huge string bytes", false, withCount(rawPlaces, 8, 0xFFFFFFF0u)},
            {"places: huge key count", false, withCount(rawPlaces, 28, 0x20000000u)},
            {"places: huge language count", false, withCount(rawPlaces, 32, 0x10000000u)},
            {"places: a language too many", false, withCount(rawPlaces, 32, 4)},
            {"places: old version", false, withCount(rawPlaces, 4, 1)},
            {"places: truncated", false, qCompress(rawPlaces.left(rawPlaces.size() / 2), 1)},
            {"places: empty", false, QByteArray()},
        };
        for (const auto &c : cases) {
            QTemporaryDir dir;
            QVERIFY(writeFile(dir.filePath(u"tzgrid.bin"_qs), c.isGrid ? c.bytes : grid));
            QVERIFY(writeFile(dir.filePath(u"places.bin"_qs), c.isGrid ? places : c.bytes));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"incomplete geodata"_qs));
            if (!c.isGrid)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"places.bin: "_qs));
            const ReverseGeocoder g(dir.path());
            QVERIFY2(!g.isLoaded(), c.name);
            const auto place = g.lookup(GeoPoint{Longitude(6.869), Latitude(45.924)}); // Chamonix
            QVERIFY2(place && !place->locality, c.name);
            QCOMPARE(place->timeZone, c.isGrid ? u"Etc/GMT"_qs : u"Europe/Paris"_qs);
            QVERIFY2(searchPlaces(g, u"chamonix"_qs, 3).empty() == !c.isGrid, c.name);
        }
    }
};

QTEST_GUILESS_MAIN(TestGeocoder)
#include "tst_geocoder.moc"
