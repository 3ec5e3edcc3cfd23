// SPDX-License-Identifier: MIT
// The map's online tiles against a tile server on 127.0.0.1 that the test runs itself: it serves
// generated PNGs and can be made slow, failing or absent.
#include "common/UserDefaults.h"
#include "core/map/PlaceLabels.h"
#include "ui/map/MapSettings.h"
#include "ui/map/MapView.h"
#include "ui/map/TileSource.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <tuple>

using namespace lunafold;

namespace {

const QColor kTileColour(20, 200, 60);

// A minimal HTTP/1.1 tile server: one request per connection.
class TileServer : public QObject {
  public:
    int maxAge = 3600; // Cache-Control max-age, seconds
    int status = 200;
    int delayMilliseconds = 0;
    bool noisy = false; // incompressible tiles, for the cache's size cap
    QStringList paths;
    QList<QByteArray> userAgents;

    TileServer() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
    }
    /// On a new ephemeral port.
    bool listen() { return m_server.listen(QHostAddress::LocalHost, 0) && (m_port = m_server.serverPort()); }
    void close() { m_server.close(); }
    QString urlTemplate() const { return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(m_port); }

  private:
    void read(QTcpSocket *socket) {
        QByteArray &request = m_buffers[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> lines = request.split('\n');
        paths << QString::fromLatin1(lines.first().split(' ').value(1));
        for (const QByteArray &line : lines)
            if (line.toLower().startsWith("user-agent:"))
                userAgents << line.mid(11).trimmed();
        m_buffers.remove(socket);
        QTimer::singleShot(delayMilliseconds, socket, [this, socket] { respond(socket); });
    }
    void respond(QTcpSocket *socket) {
        QByteArray body;
        if (status == 200) {
            QImage image(256, 256, QImage::Format_RGB32);
            image.fill(kTileColour);
            if (noisy)
                QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(image.bits()), 256 * 256);
            QBuffer buffer(&body);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        socket->write("HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") +
                      "\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nCache-Control: max-age=" + QByteArray::number(maxAge) +
                      "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    quint16 m_port = 0;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

// How much of the painted map has the server's colour.
double tileShare(MapView &map) {
    QImage image(map.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    map.paint(&painter);
    painter.end();
    int hits = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            hits += image.pixelColor(x, y) == kTileColour;
    return hits / double((image.height() / 4) * (image.width() / 4));
}

qint64 folderBytes(const QString &path) {
    qint64 total = 0;
    for (QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        total += QFileInfo(it.next()).size();
    return total;
}

} // namespace

class TestMapTiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TileServer> m_server;
    const PlaceLabels m_places{std::vector<MapPlace>{
        {GeoPoint{Longitude(2.3522), Latitude(48.8566)}, QStringLiteral("Paris"), 2000000},
        {GeoPoint{Longitude(4.8357), Latitude(45.764)}, QStringLiteral("Lyon"), 500000}}};

    TileSource::Options options(const QString &cache) {
        TileSource::Options o;
        o.urlTemplate = m_server->urlTemplate();
        o.cacheDirectory = m_dir.filePath(cache);
        o.timeoutMilliseconds = 3000;
        o.retryMilliseconds = 60000;
        return o;
    }
    // A phone-sized map over France at zoom 5, showing Paris and Lyon by name without tiles.
    std::unique_ptr<MapView> mapOn(TileSource *tiles) {
        auto map = std::make_unique<MapView>();
        map->setSize(QSizeF(390, 470));
        map->setPlaceLabels(&m_places);
        map->zoomBy(std::exp2(5 - map->zoomLevel()), 195, 235);
        map->panBy(-0.0127 * map->camera().worldSize(), 0.156 * map->camera().worldSize());
        map->setTileSource(tiles);
        return map;
    }

  private Q_SLOTS:
    void init() {
        m_server = std::make_unique<TileServer>(); // its defaults, no requests seen
        QVERIFY(m_server->listen());
    }

    void tilesAppearWithTheAttributionInPlaceOfTheNames() {
        TileSource tiles(options(QStringLiteral("appear")));
        auto map = mapOn(&tiles);
        QCOMPARE(map->labelNames(), (QStringList{"Paris", "Lyon"}));
        QTRY_VERIFY(map->tilesShown());
        QTRY_VERIFY(tileShare(*map) > 0.99);  // every tile in view arrived
        QVERIFY(map->labelNames().isEmpty()); // the tiles carry their own names
        // Standard z/x/y paths at the view's zoom, each asked for once, naming the app.
        QVERIFY(!m_server->paths.isEmpty());
        for (const QString &path : std::as_const(m_server->paths))
            QVERIFY2(QRegularExpression(QStringLiteral("^/5/1[5-7]/1[0-2]\\.png$")).match(path).hasMatch(),
                     qPrintable(path));
        QCOMPARE(QSet<QString>(m_server->paths.begin(), m_server->paths.end()).size(),
                 m_server->paths.size());
        for (const QByteArray &agent : std::as_const(m_server->userAgents))
            QVERIFY(agent.startsWith("Lunafold/"));
    }

    // Within their max-age tiles come from the disk without asking; after it they are asked for
    // again, and when the server is gone the expired copy still shows.
    void theDiskCacheHonoursExpiryAndServesWhenOffline() {
        const auto showAll = [this](const QString &cache) {
            TileSource tiles(options(cache));
            auto map = mapOn(&tiles);
            [&] { QTRY_VERIFY(tileShare(*map) > 0.99); }();
            return tiles.offline();
        };
        showAll(QStringLiteral("fresh"));
        const qsizetype asked = m_server->paths.size();
        QVERIFY(!showAll(QStringLiteral("fresh")));
        QCOMPARE(m_server->paths.size(), asked);

        m_server->maxAge = 0;
        showAll(QStringLiteral("stale"));
        const qsizetype staleAsked = m_server->paths.size();
        QTest::qWait(1100); // expiry is counted in whole seconds
        showAll(QStringLiteral("stale"));
        QCOMPARE(m_server->paths.size(), staleAsked + (staleAsked - asked)); // every one asked again
        m_server->close();
        QTest::qWait(1100);
        QVERIFY(showAll(QStringLiteral("stale")));
    }

    void theDiskCacheKeepsToItsCap() {
        m_server->noisy = true; // about 200 kB a tile
        TileSource::Options o = options(QStringLiteral("capped"));
        o.diskCacheBytes = 600 * 1024;
        TileSource tiles(o);
        auto map = mapOn(&tiles);
        QTRY_VERIFY_WITH_TIMEOUT(map->tilesShown(), 15000);
        for (int step = 0; step < 4; ++step) {
            map->panBy(-300, 0); // new tiles to the east
            QTRY_VERIFY_WITH_TIMEOUT(!tiles.tile(MapView::tilesInView(map->camera()).first()).isNull(),
                                     15000);
        }
        QVERIFY(m_server->paths.size() >= 8);
        const qint64 bytes = folderBytes(m_dir.filePath(QStringLiteral("capped")));
        QVERIFY2(bytes > 0 && bytes <= o.diskCacheBytes, qPrintable(QString::number(bytes)));
    }

    // Failing, slow or absent servers leave the names and the vector map, and never hold up a pan.
    void failuresFallBackToTheNames() {
        // Name, status, delay, absent, offline.
        const std::tuple<const char *, int, int, bool, bool> cases[] = {
            {"server error", 500, 0, false, false},
            {"too slow", 200, 5000, false, true},
            {"absent", 200, 0, true, true}};
        for (const auto &[name, status, delay, absent, offline] : cases) {
            init();
            m_server->status = status;
            m_server->delayMilliseconds = delay;
            TileSource::Options o = options(QString::fromLatin1(name));
            o.timeoutMilliseconds = 500;
            if (absent)
                m_server->close();
            TileSource tiles(o);
            auto map = mapOn(&tiles);
            QElapsedTimer timer;
            timer.start();
            map->panBy(10, 0);
            QVERIFY2(timer.elapsed() < 400, name); // the pan did not wait for the network (500 ms timeout)
            QTRY_COMPARE(tiles.offline(), offline);
            QTest::qWait(offline ? 200 : 700); // past the timeout
            QVERIFY2(!map->tilesShown() && tileShare(*map) == 0.0, name);
            QCOMPARE(map->labelNames(), (QStringList{"Paris", "Lyon"}));
            // A failed tile is not asked for again at once.
            const qsizetype asked = m_server->paths.size();
            map->panBy(-10, 0);
            QTest::qWait(100);
            QVERIFY2(m_server->paths.size() == asked, name);
        }
    }

    void switchedOffNothingIsSent() {
        TileSource tiles(options(QStringLiteral("off")));
        tiles.setEnabled(false);
        auto map = mapOn(&tiles);
        map->panBy(20, 10);
        map->zoomBy(1.2, 195, 235);
        QTest::qWait(300);
        QVERIFY(m_server->paths.isEmpty() && !map->tilesShown());
        // On again: tiles come, and the attribution with them; off: they go at once.
        tiles.setEnabled(true);
        QTRY_VERIFY(map->tilesShown());
        tiles.setEnabled(false);
        QVERIFY(!map->tilesShown() && !map->labelNames().isEmpty());
        QTest::qWait(100); // a request already on the wire may still land; none may follow
        const qsizetype asked = m_server->paths.size();
        map->panBy(-200, 0);
        QTest::qWait(200);
        QCOMPARE(m_server->paths.size(), asked);
    }

    void theSettingAndTheTemplate() {
        UserDefaults store(m_dir.filePath(QStringLiteral("prefs.ini")), [](const QString &) {});
        {
            MapSettings settings(store);
            QVERIFY(settings.onlineMap()); // on until turned off
            QCOMPARE(settings.tileUrlTemplate(), TileSource::defaultUrlTemplate());
            QSignalSpy changed(&settings, &MapSettings::onlineMapChanged);
            settings.setOnlineMap(false);
            QCOMPARE(changed.count(), 1);
        }
        QVERIFY(!MapSettings(store).onlineMap()); // kept
        const std::pair<const char *, bool> templates[] = {
            {"https://tiles.example.org/{z}/{x}/{y}.png", true},
            {"http://127.0.0.1:8080/osm/{z}/{x}/{y}.png?key=1", true},
            {"https://tiles.example.org/{z}/{x}.png", false}, // no row
            {"ftp://tiles.example.org/{z}/{x}/{y}.png", false},
            {"not a url {z}{x}{y}", false},
        };
        for (const auto &[text, usable] : templates) {
            store.setString(QLatin1String(MapSettings::kTileUrlKey), QString::fromLatin1(text));
            QCOMPARE(MapSettings(store).tileUrlTemplate(),
                     usable ? QString::fromLatin1(text) : TileSource::defaultUrlTemplate());
        }
    }
};

QTEST_MAIN(TestMapTiles)
#include "tst_maptiles.moc"
