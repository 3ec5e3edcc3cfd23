// SPDX-License-Identifier: MIT
// The location map's projection, camera and scale bar, the basemap file and its drawing (water,
// rivers and state lines too), and where place names go.
#include "FixedPlace.h"
#include "core/map/MapCamera.h"
#include "core/map/MapScale.h"
#include "ui/map/Basemap.h"
#include "ui/map/BasemapPainter.h"
#include "ui/map/LabelLayout.h"
#include "ui/map/MapView.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <tuple>

using namespace lunafold;

static const Basemap &basemap() {
    static const auto map = Basemap::fromDirectory(Basemap::defaultDirectory());
    return *map;
}

namespace {

const QSizeF kPhone(390, 470);

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance;
}

bool near(const GeoPoint &a, const GeoPoint &b, double degrees) {
    return near(a.latitude(), b.latitude(), degrees) && near(a.longitude(), b.longitude(), degrees);
}

bool near(QPointF a, QPointF b, double tolerance) {
    return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance);
}

// The basemap around a camera at one pixel per point without the graticule, so that a pixel is
// land, sea or a line; marked, rivers and state lines take colours nothing else uses.
MapStyle testStyle(bool marked = false) {
    MapStyle style;
    style.graticule = Qt::transparent;
    if (marked) {
        style.river = QColor(0, 255, 0);
        style.admin = QColor(255, 0, 0);
    }
    return style;
}

QImage render(const MapCamera &camera, bool marked = false) {
    QImage image(camera.viewport().toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    BasemapPainter::paint(painter, camera, basemap(), testStyle(marked));
    return image;
}

// Whether a pixel of the line colour (antialiased over anything else) lies on the segment.
bool crosses(const QImage &image, QPointF from, QPointF to, QRgb colour) {
    const int steps = int(std::hypot(to.x() - from.x(), to.y() - from.y())) + 1;
    const auto strong = [](int c) { return c > 140; };
    for (int i = 0; i <= steps; ++i) {
        const QPoint p = (from + (to - from) * (double(i) / steps)).toPoint();
        if (!image.rect().contains(p))
            continue;
        const QRgb c = image.pixel(p);
        const bool match = qRed(colour) ? strong(qRed(c)) && qRed(c) > qGreen(c) + 60
                                        : strong(qGreen(c)) && qGreen(c) > qRed(c) + 60;
        if (match)
            return true;
    }
    return false;
}

// A grey picture of the whole world at @p scale pixels per world width, white where @p draw paints.
QImage paintWorld(double scale, const std::function<void(QPainter &)> &draw) {
    const int side = int(scale);
    QImage image(side, side, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image;
}

GeoPoint ll(double latitude, double longitude) {
    return GeoPoint{Longitude(longitude), Latitude(latitude)};
}

// Places on a regular grid of @p step degrees around @p centre, populations falling off outwards.
std::vector<MapPlace> gridOfPlaces(const GeoPoint &centre, int perSide, double step) {
    std::vector<MapPlace> places;
    for (int i = 0; i < perSide; ++i)
        for (int j = 0; j < perSide; ++j) {
            const double dy = (i - perSide / 2) * step, dx = (j - perSide / 2) * step;
            places.push_back({ll(centre.latitude() + dy, centre.longitude() + dx),
                              QStringLiteral("Place %1-%2").arg(i).arg(j),
                              qint64(1e6 / (1 + std::hypot(dx, dy) / step))});
        }
    return places;
}

QStringList namesIn(const PlaceLabels &labels, const QRectF &area, double zoom) {
    QStringList names;
    labels.visit(area, zoom, [&](const PlaceLabels::Label &l, double) { return names << l.name, true; });
    return names;
}

// A map of the given size and names, following a place that has just been chosen there.
struct MapOnPlace {
    test::FixedPlace place;
    MapView map;
    MapOnPlace(QSizeF size, const PlaceLabels &labels, GeoPoint at) {
        map.setSize(size);
        map.setPlaceLabels(&labels);
        map.setLocator(&place.locator());
        place.set(at.latitude(), at.longitude(), "Europe/Paris");
    }
};

} // namespace

Q_DECLARE_METATYPE(lunafold::GeoPoint)

class TestMap : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void projection() {
        // y = 1/2 − ln(tan(π/4 + φ/2)) / 2π, worked out independently of the code. Latitude, longitude, x, y:
        const std::array<double, 4> cases[] = {{0.0, 0.0, 0.5, 0.5},
                                               {45.0, -90.0, 0.25, 0.35972503691520497},
                                               {48.8566, 2.3522, 0.5065338888888889, 0.3440284030675782},
                                               {-45.0, -180.0, 0.0, 1 - 0.35972503691520497},
                                               {85.0511287798066, 179.0, 0.9972222222222222, 0.0}};
        for (const auto &[latitude, longitude, x, y] : cases) {
            const QPointF p = WebMercator::project(ll(latitude, longitude));
            QVERIFY2(near(p, {x, y}, 1e-12), qPrintable(QStringLiteral("%1 %2").arg(p.x()).arg(p.y())));
            QVERIFY(
                near(WebMercator::unproject(p), ll(latitude, WebMercator::wrapLongitude(longitude)), 1e-9));
        }
    }

    void latitudesBeyondTheSquareWorldAreClamped() {
        QCOMPARE(WebMercator::project(ll(89.9, 10)).y(), 0.0);
        QCOMPARE(WebMercator::project(ll(-90, 10)).y(), 1.0);
        QVERIFY(near(WebMercator::unproject({0.5, -0.3}).latitude(), WebMercator::kMaxLatitude, 1e-9));
        QVERIFY(near(WebMercator::unproject({1.25, 0.5}).longitude(), -90.0, 1e-9)); // the next copy east
        QCOMPARE(WebMercator::wrapLongitude(180.0), -180.0);
        QCOMPARE(WebMercator::wrapLongitude(-540.5), 179.5);
    }

    void viewPointsAndCoordinatesRoundTrip() {
        // The whole world, a country, a region in the south, on the antimeridian.
        const std::pair<double, GeoPoint> views[] = {
            {0.0, ll(0, 0)}, {5.6, ll(46.6, 2.4)}, {14.7, ll(-33.8688, 151.2093)}, {9.0, ll(-17.8, 180.0)}};
        for (const auto &[zoom, centre] : views) {
            const MapCamera camera(kPhone, centre, zoom);
            for (const QPointF p :
                 {QPointF(0, 0), QPointF(195, 235), QPointF(389.5, 12.25), QPointF(17, 469)}) {
                const auto c = camera.toCoordinate(p);
                QVERIFY(c && c->longitude() >= -180 && c->longitude() < 180);
                QVERIFY2(near(camera.toView(*c), p, 1e-6),
                         qPrintable(QStringLiteral("zoom %1, x %2").arg(zoom).arg(p.x())));
            }
        }
    }

    // 0.02° of longitude over 390 points needs a world of 390 · 360 / 0.02 points. Half of 0.02° of
    // latitude over 235 points one of 235 / Δy for the half nearer the pole, which Mercator
    // stretches more. The smaller world shows both spans.
    void aRegionSpanGivesTheZoomThatShowsIt() {
        // At the equator the width limits, at 60° N and S the height.
        for (const auto &[latitude, zoom] :
             {std::pair{0.0, 14.74303959985401}, {60.0, 14.012008134592188}, {-60.0, 14.012008134592188}}) {
            MapCamera camera(kPhone, ll(0, 0), 2);
            camera.showRegion(ll(latitude, 25.0), 0.02, 0.02);
            QVERIFY2(near(camera.zoom(), zoom, 1e-9), qPrintable(QString::number(camera.zoom(), 'g', 17)));
            QVERIFY(near(camera.centreCoordinate(), ll(latitude, 25.0), 1e-9));
            // The whole region is in view and touches the edges in one direction.
            const double west = camera.toView(ll(latitude, 24.99)).x(),
                         east = camera.toView(ll(latitude, 25.01)).x();
            const double top = camera.toView(ll(latitude + 0.01, 25.0)).y(),
                         bottom = camera.toView(ll(latitude - 0.01, 25.0)).y();
            QVERIFY(west >= -1e-6 && east <= 390 + 1e-6 && top >= -1e-6 && bottom <= 470 + 1e-6);
            QVERIFY(near(west, 0.0, 1e-6) || near(std::min(top, 470 - bottom), 0.0, 1e-6));
        }
    }

    void theViewStaysInsideTheWorld() {
        MapCamera camera(kPhone, ll(0, 0), 3);
        camera.panBy(0, 1e7); // far past the North Pole
        QVERIFY(near(camera.toCoordinate({195, 0})->latitude(), WebMercator::kMaxLatitude, 1e-9));
        QVERIFY(!camera.toCoordinate({195, -1})); // nothing above the world
        camera.panBy(0, -1e7);
        QVERIFY(near(camera.toCoordinate({195, 470})->latitude(), -WebMercator::kMaxLatitude, 1e-9));
        camera.zoomBy(1e-9, {0, 0});
        QCOMPARE(camera.zoom(), camera.minZoom());
        QCOMPARE(camera.worldSize(), 470.0);
        camera.zoomBy(1e9, {0, 0});
        QCOMPARE(camera.zoom(), MapCamera::kMaxZoom);
        // A taller view raises the lowest zoom with it.
        camera.setViewport({390, 2000});
        QVERIFY(camera.worldSize() >= 2000.0);
    }

    void panningWrapsAcrossTheAntimeridian() {
        MapCamera camera(kPhone, ll(10, 179.9), 8); // 65,536-point world: 0.1° is about 18 points
        // East of 180° is to the right.
        QVERIFY(camera.toView(ll(10, -179.9)).x() > 195.0 && camera.toView(ll(10, 179.8)).x() < 195.0);
        camera.panBy(-0.2 / 360 * camera.worldSize(), 0); // drag 0.2° to the left: look east
        QVERIFY(near(camera.centreCoordinate().longitude(), -179.9, 1e-9));
        QVERIFY(camera.centre().x() >= 0 && camera.centre().x() < 1);
    }

    // How far a factor zooms, and about which point, tst_locationview.qml checks with the wheel, a
    // double tap and a pinch.
    void zoomFactorsThatAreNoZoom() {
        MapCamera camera(kPhone, ll(48.8566, 2.3522), 6);
        camera.zoomBy(0.0, {300, 80});
        camera.zoomBy(std::nan(""), {300, 80});
        QCOMPARE(camera.zoom(), 6.0);
    }

    void flightsTakeTheShortWayRound() {
        const MapCamera from(kPhone, ll(0, 170), 4), to(kPhone, ll(0, -170), 6);
        const MapCamera half = MapCamera::interpolate(from, to, 0.5);
        QVERIFY(near(std::abs(half.centreCoordinate().longitude()), 180.0, 1e-9));
        QVERIFY(near(half.zoom(), 5.0, 1e-12));
        QCOMPARE(MapCamera::interpolate(from, to, 1.0), to);
    }

    void scaleBar() {
        const QLocale french(QLocale::French, QLocale::France), german(QLocale::German, QLocale::Germany);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        // Metres per point, locale, text, width of a bar that may be 110 points long.
        const std::tuple<double, QLocale, const char *, double> cases[] = {
            {1.0, french, "100 m", 100.0},      {0.37, french, "20 m", 20 / 0.37},
            {10.0, french, "1 km", 100.0},      {20000.0, german, "2.000 km", 100.0},
            {10.0, us, "0.5 mi", 804.672 / 10}, // miles below one
            {1.0, us, "200 ft", 60.96},         // feet under a tenth of a mile
        };
        for (const auto &[metersPerPoint, locale, text, width] : cases) {
            const MapScale scale = MapScale::choose(metersPerPoint, 110, locale);
            QCOMPARE(scale.text, QLatin1String(text));
            QVERIFY2(near(scale.width, width, 1e-9), qPrintable(QString::number(scale.width)));
            QVERIFY(MapScale::choose(0, 110, locale).text.isEmpty());
        }
    }

    void basemapLevels() {
        const Basemap &map = basemap();
        QVERIFY2(map.isLoaded(), qPrintable(Basemap::defaultDirectory()));
        for (const auto &[zoom, level] : {std::pair{-1.0, 0}, {0.9, 0}, {4.0, 1}, {14.4, 3}})
            QCOMPARE(map.levelFor(zoom), level);
        QVERIFY(!map.tile(0, 1, 0) && !map.tile(9, 0, 0));
    }

    // Points well inland or well out at sea, on every level of detail; the tiles by the
    // antimeridian and the South Pole are where the file's cuts and folds are.
    void landAndSea() {
        const Basemap &map = basemap();
        const std::pair<GeoPoint, bool> cases[] = {
            {ll(48.8566, 2.3522), true}, {ll(-25.0, 134.0), true},  // Paris, central Australia
            {ll(30.0, -40.0), false},    {ll(42.0, 50.5), false},   // mid-Atlantic, Caspian Sea
            {ll(67.0, 172.0), true},     {ll(65.0, -155.0), true},  // Chukotka west of 180, Alaska east
            {ll(-84.8, 179.5), true},    {ll(-84.8, -179.5), true}, // Antarctica either side of 180
            {ll(-60.0, -100.0), false},                             // Southern Ocean
        };
        for (const auto &[point, land] : cases) {
            const QPointF p = WebMercator::project(point);
            for (int level = 0; level < map.levelCount(); ++level) {
                const int grid = map.gridSize(level);
                const Basemap::Tile *tile = map.tile(level, int(p.x() * grid), int(p.y() * grid));
                QVERIFY2((tile && tile->land.contains(p)) == land,
                         qPrintable(QStringLiteral("%1 level %2").arg(point.longitude()).arg(level)));
            }
        }
    }

    void damagedFilesAreRefused() {
        QVERIFY(!Basemap(QByteArray()).isLoaded() && !Basemap(QByteArray("not a map at all")).isLoaded());
        QFile file(Basemap::defaultDirectory() + QStringLiteral("/world.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        QVERIFY(!Basemap(whole.left(whole.size() / 2)).isLoaded());
        // A directory entry pointing past the end.
        QByteArray data = qUncompress(whole);
        QVERIFY(data.startsWith("LFBM"));
        const qsizetype firstEntry = 12 + 4 * 12;
        data.replace(firstEntry + 4, 4, QByteArray("\xff\xff\xff\x7f", 4));
        QVERIFY(!Basemap(qCompress(data)).isLoaded());
        // Another version.
        data = qUncompress(whole);
        data[4] = 7;
        QVERIFY(!Basemap(qCompress(data)).isLoaded());
        // A tile whose contents are cut short reads as sea rather than failing.
        data = qUncompress(whole);
        const quint32 cut =
            qToLittleEndian<quint32>(qFromLittleEndian<quint32>(data.constData() + firstEntry + 8) / 2);
        data.replace(firstEntry + 8, 4, QByteArray(reinterpret_cast<const char *>(&cut), 4));
        const Basemap truncated(qCompress(data));
        QVERIFY(truncated.isLoaded() && truncated.tile(0, 0, 0) && truncated.tile(0, 0, 0)->land.isEmpty());
    }

    // Each zoom names at most one place per cell, the most populous, and keeps what it named when
    // zooming in; the input's order does not matter.
    void placesAreNamedBiggestFirst() {
        std::vector<MapPlace> places = gridOfPlaces(ll(46.0, 2.0), 21, 0.1);
        places.push_back({ll(46.01, 2.01), QStringLiteral("Tiny"), 10});
        places.push_back({ll(91.0, 0.0), QStringLiteral("Nowhere"), 1});       // off the map
        places.push_back({ll(46.0, 2.5), QStringLiteral("   "), qint64(1e9)}); // no name
        const PlaceLabels labels(places);
        QCOMPARE(labels.size(), std::size_t(21 * 21 + 1));
        std::shuffle(places.begin(), places.end(), std::mt19937(7));
        const PlaceLabels shuffled(places);

        // The grid's area, and half a step around it.
        const QPointF northWest = WebMercator::project(ll(47.05, 0.95)),
                      southEast = WebMercator::project(ll(44.95, 3.05));
        const QRectF area(northWest, southEast);
        QStringList before;
        for (double zoom : {0.0, 4.0, 6.0, 8.0, 10.0, 12.0, 16.0}) {
            const QStringList names = namesIn(labels, area, zoom);
            QVERIFY(!names.isEmpty());
            QCOMPARE(names.first(), QStringLiteral("Place 10-10")); // the biggest, first at every zoom
            QCOMPARE(namesIn(shuffled, area, zoom), names);
            for (const QString &name : std::as_const(before))
                QVERIFY2(names.contains(name), qPrintable(name)); // nothing named disappears
            // At most one name per cell of the zoom's grid, counting the cells the area cuts.
            const double cellsAcross = area.width() * 256 * std::exp2(zoom) / PlaceLabels::kCellPoints + 2;
            const double cellsDown = area.height() * 256 * std::exp2(zoom) / PlaceLabels::kCellPoints + 2;
            QVERIFY2(double(names.size()) <= std::ceil(cellsAcross) * std::ceil(cellsDown),
                     qPrintable(QString::number(names.size())));
            if (zoom <= 8 || zoom >= 16) // 0.01° from the biggest: shares its cell until far in
                QCOMPARE(names.contains(QStringLiteral("Tiny")), zoom >= 16);
            before = names;
        }
        QCOMPARE(before.size(), 21 * 21 + 1);
    }

    void namesNeverOverlap() {
        std::vector<MapPlace> places = gridOfPlaces(ll(46.0, 2.0), 31, 0.05);
        for (const MapPlace &p : gridOfPlaces(ll(-17.8, 179.9), 9, 0.5))
            places.push_back(
                {ll(p.coordinate.latitude(), WebMercator::wrapLongitude(p.coordinate.longitude())),
                 QStringLiteral("Fiji ") + p.name, p.population});
        const PlaceLabels labels(places);
        const std::tuple<const char *, GeoPoint, double> views[] = {
            {"world", ll(20, 0), 1.0},
            {"country", ll(46.6, 2.4), 5.6},
            {"dense region", ll(46.0, 2.0), 9.3},
            {"dense region, its heart at the top left corner", ll(45.66, 2.43), 9.3},
            {"antimeridian", ll(-17.8, 179.9), 6.0}};
        for (const auto &[name, centre, zoom] : views) {
            const MapCamera camera(kPhone, centre, zoom);
            const std::vector<PlacedLabel> placed = LabelLayout().layout(camera, labels);
            QVERIFY2(!placed.empty() && placed.size() <= std::size_t(LabelLayout::kMaxLabels), name);
            for (auto label = placed.begin(); label != placed.end(); ++label) {
                // Wholly in view, beside its dot, which is where the place is, and clear of the others.
                const QRectF &text = label->text;
                QVERIFY2(
                    QRectF(QPointF(), kPhone).contains(text) &&
                        std::abs(text.center().y() - label->anchor.y()) < 1e-9 &&
                        (text.left() > label->anchor.x() || text.right() < label->anchor.x()) &&
                        std::none_of(placed.begin(), label,
                                     [&](const PlacedLabel &other) { return other.text.intersects(text); }),
                    qPrintable(label->name));
            }
            // Drawn at 3x, each name is light on its dark halo wherever it lands.
            QImage image((kPhone * 3).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(MapStyle().land);
            QPainter painter(&image);
            painter.scale(3, 3);
            LabelPainter().paint(painter, placed);
            painter.end();
            for (const PlacedLabel &label : placed) {
                int light = 0, dark = 0;
                const QRect box =
                    QRectF(label.text.topLeft() * 3, label.text.size() * 3).toRect() & image.rect();
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x) {
                        const int value = qGray(image.pixel(x, y));
                        light += value > 200;
                        dark += value < 30;
                    }
                QVERIFY2(light > 20 && dark > 20, qPrintable(label.name));
            }
            // Where places are dense the view fills with names, not with one or two.
            if (std::string_view(name).starts_with("dense region"))
                QVERIFY2(placed.size() >= 12, qPrintable(QString::number(placed.size())));
        }
    }

    // A small region with no name in it opens further out, where names show around the place.
    void zoomNamingAPlace() {
        const GeoPoint village{Longitude(6.0), Latitude(45.0)};
        const PlaceLabels labels({{ll(45.30, 6.0), QStringLiteral("North"), 50000},
                                  {ll(44.75, 6.3), QStringLiteral("South-east"), 40000},
                                  {ll(45.1, 5.5), QStringLiteral("West"), 30000},
                                  {ll(45.0, 6.004), QStringLiteral("Next door"), 100}});
        MapCamera region(kPhone, village, 0);
        region.showRegion(village, 0.02, 0.02);
        const double zoom = labels.zoomNaming(village, kPhone, 3, region.zoom());
        QVERIFY(zoom < region.zoom() - 3);
        const MapCamera opened(kPhone, village, zoom);
        QVERIFY(labels.countIn(opened.visibleWorld(), zoom) >= 3);
        const MapCamera closer(kPhone, village, zoom + 0.25);
        QVERIFY(labels.countIn(closer.visibleWorld(), closer.zoom()) < 3);
        // One name already in view is enough when asked for one; none anywhere keeps the region.
        QCOMPARE(labels.zoomNaming(village, kPhone, 1, region.zoom()), region.zoom());
        QCOMPARE(PlaceLabels({}).zoomNaming(village, kPhone, 3, region.zoom()), region.zoom());
    }

    // The scale bar and the buttons sit over the map: names that would go under them move aside
    // or wait for another view; the rest of the map still fills with names.
    void namesStayClearOfTheControls() {
        const PlaceLabels labels(gridOfPlaces(ll(0.0, 0.0), 41, 0.05));
        MapView map;
        map.setSize(kPhone);
        map.setPlaceLabels(&labels);
        map.zoomBy(std::exp2(9.3 - map.zoomLevel()), kPhone.width() / 2, kPhone.height() / 2);
        const QRectF scaleBar(10, 10, 126, 40), buttons(kPhone.width() - 54, 10, 44, 132);
        const auto under = [&](const std::vector<PlacedLabel> &placed) {
            int count = 0;
            for (const PlacedLabel &label : placed)
                for (const QRectF &control : {scaleBar, buttons})
                    count += label.text.intersects(control) || control.contains(label.anchor);
            return count;
        };
        const std::size_t before = map.placedLabels().size();
        QVERIFY2(under(map.placedLabels()) > 0, "nothing to move aside: the test shows nothing");

        QSignalSpy changed(&map, &MapView::controlAreasChanged);
        map.setControlAreas({scaleBar, buttons, QVariant(QStringLiteral("not a rectangle"))});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(map.controlAreas(), (QVariantList{scaleBar, buttons}));
        QCOMPARE(under(map.placedLabels()), 0);
        QVERIFY2(map.placedLabels().size() >= before * 3 / 4,
                 qPrintable(QString::number(map.placedLabels().size())));
        // Panning lays the names out afresh, still around the controls.
        map.panBy(37, -23);
        QVERIFY(!map.placedLabels().empty());
        QCOMPARE(under(map.placedLabels()), 0);
        map.setControlAreas({scaleBar, buttons});
        QCOMPARE(changed.count(), 1); // the same areas again change nothing
    }

    // Just after the place arrives a line of text above the map ("Locating…" on a first run)
    // makes it shorter: the view is fitted again, so that the names around the place still show.
    void theFitFollowsTheViewsSize() {
        const GeoPoint village = ll(45.0, 6.0);
        // Names only to the north, near the top edge of the taller view once it is fitted.
        const PlaceLabels labels(std::vector<MapPlace>{{ll(45.3, 5.75), QStringLiteral("West Hill"), 5000},
                                                       {ll(45.3, 6.0), QStringLiteral("North Hill"), 5000},
                                                       {ll(45.3, 6.25), QStringLiteral("East Hill"), 5000}});
        const QSizeF tall(390, 482), shorter(390, 362);
        for (const bool whileFlying : {true, false}) {
            MapOnPlace chosen(tall, labels, village);
            MapView &map = chosen.map;
            QVERIFY(map.animating());
            if (!whileFlying)
                QTRY_VERIFY(!map.animating());
            const double tallZoom = map.cameraTarget().zoom();
            map.setSize(shorter);
            QTRY_VERIFY(!map.animating());
            QVERIFY(near(ll(map.centerLatitude(), map.centerLongitude()), village, 1e-6));
            QVERIFY2(map.zoomLevel() < tallZoom && map.labelNames().size() == MapView::kNamesAround,
                     whileFlying ? "shortened during the flight" : "shortened after arriving");
            // A view the user has moved keeps its zoom.
            map.panBy(5, 0);
            const double zoom = map.zoomLevel();
            map.setSize(tall);
            QCOMPARE(map.zoomLevel(), zoom);
            QVERIFY(!map.animating());
        }
    }

    // Zoomed out, tiles are drawn with fewer points, off the file's lines by under a pixel, and
    // their cuts along tile edges stay cuts, never coast.
    void tilesSimplifiedForTheirScale() {
        const Basemap &map = basemap();
        const double pixelsPerUnit = 256 * 3 * std::exp2(0.75); // the whole world on a 3x phone
        const Basemap::Tile *full = map.tile(0, 0, 0), *coarse = map.tile(0, 0, 0, pixelsPerUnit);
        QVERIFY(full && coarse && coarse != full);
        QVERIFY(coarse->land.elementCount() < full->land.elementCount() * 0.85);
        QVERIFY(coarse->borders.elementCount() < full->borders.elementCount());
        QCOMPARE(map.tile(0, 0, 0, pixelsPerUnit * 1.1), coarse); // the same half step, kept
        QCOMPARE(map.tile(0, 0, 0, 1e9), full);                   // finer than the file: as it is
        // Visits two paintings of one size pixel by pixel.
        const auto tally = [](const QImage &first, const QImage &second, auto count) {
            for (int y = 0; y < first.height(); ++y)
                for (int x = 0; x < first.width(); ++x)
                    count(first.constScanLine(y)[x], second.constScanLine(y)[x]);
        };
        const auto fill = [&](const Basemap::Tile *tile) {
            return paintWorld(pixelsPerUnit, [&](QPainter &p) { p.fillPath(tile->land, Qt::white); });
        };
        qint64 land = 0, differ = 0;
        tally(fill(full), fill(coarse), [&](uchar was, uchar is) {
            land += was > 127;
            differ += (was > 127) != (is > 127);
        });
        QVERIFY2(land > 100000 && differ < land / 50,
                 qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(land)));

        // At zoom 3 every simplified coast runs along a real one, none along a tile's cut.
        const int level = 1, grid = map.gridSize(level);
        const double zoom3 = 256 * std::exp2(3.0);
        int simplifiedTiles = 0;
        const auto coasts = [&](double width, bool simplified) {
            return paintWorld(zoom3, [&](QPainter &p) {
                QPen pen(Qt::white, width);
                pen.setCosmetic(true);
                p.setPen(pen);
                for (int column = 0; column < grid; ++column)
                    for (int row = 0; row < grid; ++row)
                        if (const Basemap::Tile *tile = map.tile(level, column, row, zoom3)) {
                            simplifiedTiles += simplified && tile != map.tile(level, column, row);
                            p.drawPath(simplified ? tile->coast : map.tile(level, column, row)->coast);
                        }
            });
        };
        const QImage real = coasts(7.0, false), drawn = coasts(1.0, true);
        QVERIFY(simplifiedTiles > 0);
        qint64 astray = 0;
        tally(real, drawn, [&](uchar line, uchar coast) { astray += coast > 127 && line < 64; });
        QCOMPARE(astray, qint64(0));
    }

    // Lakes are water, their shores land; across the antimeridian both sides are drawn and the cut
    // through Antarctica is no coast.
    void landAndWaterAreDrawn_data() {
        QTest::addColumn<GeoPoint>("centre");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<GeoPoint>("point");
        QTest::addColumn<bool>("water");
        QTest::newRow("Lake Geneva") << ll(46.45, 6.55) << 9.0 << ll(46.45, 6.55) << true;
        QTest::newRow("Lake Victoria") << ll(-1.8, 32.8) << 5.0 << ll(-1.8, 32.8) << true;
        QTest::newRow("Lake Superior, from afar") << ll(47.7, -87.5) << 2.0 << ll(47.7, -87.5) << true;
        QTest::newRow("Lausanne, on its shore") << ll(46.56, 6.63) << 9.0 << ll(46.56, 6.63) << false;
        QTest::newRow("Kampala, by Lake Victoria") << ll(0.35, 32.58) << 5.0 << ll(0.35, 32.58) << false;
        QTest::newRow("Antarctica at 180°") << ll(-84, 180) << 4.0 << ll(-84.8, 180) << false;
        QTest::newRow("Chukotka, west of 180°") << ll(66, 180) << 4.0 << ll(67, 172) << false;
        QTest::newRow("Alaska, east of 180°") << ll(66, 180) << 4.0 << ll(65.5, -163) << false;
    }
    void landAndWaterAreDrawn() {
        QFETCH(GeoPoint, centre);
        QFETCH(double, zoom);
        QFETCH(GeoPoint, point);
        QFETCH(bool, water);
        const MapCamera camera({400, 400}, centre, zoom);
        const MapStyle style = testStyle(true);
        QCOMPARE(render(camera, true).pixelColor(camera.toView(point).toPoint()),
                 water ? style.sea : style.land);
    }

    void aViewWiderThanTheWorldShowsItTwice() {
        const MapCamera wide({1200, 300}, ll(0, 0), 0);
        const QPointF paris = wide.toView(ll(48.8566, 2.3522));
        const QImage image = render(wide);
        QCOMPARE(image.pixelColor(paris.toPoint()), testStyle().land);
        QCOMPARE(image.pixelColor((paris + QPointF(wide.worldSize(), 0)).toPoint()), testStyle().land);
    }

    // State lines show once zoomed in to a country, between two states of one country only; rivers
    // too. Each scan crosses one line and nothing else of its kind.
    void linesShowFromCountryZoom_data() {
        QTest::addColumn<GeoPoint>("from");
        QTest::addColumn<GeoPoint>("to");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("admin"); // else a river
        QTest::addColumn<bool>("shown");
        const GeoPoint colorado = ll(39.0, -103.0), kansas = ll(39.0, -101.0);
        QTest::newRow("Colorado to Kansas") << colorado << kansas << 6.0 << true << true;
        QTest::newRow("Colorado to Kansas, zoomed out") << colorado << kansas << 3.0 << true << false;
        QTest::newRow("Montana to Alberta: a country border")
            << ll(48.3, -111.0) << ll(49.7, -111.0) << 6.0 << true << false;
        // Départements are small: their lines wait until the view is closer than whole countries.
        const GeoPoint beauce = ll(48.3, 1.2), gatinais = ll(48.3, 2.6); // Eure-et-Loir to Loiret
        QTest::newRow("Eure-et-Loir to Loiret") << beauce << gatinais << 7.0 << true << true;
        QTest::newRow("Eure-et-Loir to Loiret, whole countries")
            << beauce << gatinais << 4.5 << true << false;
        const GeoPoint westOfTheNile = ll(26.0, 31.0), eastOfTheNile = ll(26.0, 34.0);
        QTest::newRow("across the Nile") << westOfTheNile << eastOfTheNile << 6.0 << false << true;
        QTest::newRow("across the Nile, zoomed out")
            << westOfTheNile << eastOfTheNile << 3.0 << false << false;
    }
    void linesShowFromCountryZoom() {
        QFETCH(GeoPoint, from);
        QFETCH(GeoPoint, to);
        QFETCH(double, zoom);
        QFETCH(bool, admin);
        QFETCH(bool, shown);
        const GeoPoint middle =
            ll((from.latitude() + to.latitude()) / 2, (from.longitude() + to.longitude()) / 2);
        const MapCamera camera({600, 600}, middle, zoom);
        const QImage image = render(camera, true);
        const QRgb colour = admin ? testStyle(true).admin.rgb() : testStyle(true).river.rgb();
        // Three parallel scans a few pixels apart, so that a dash's gap cannot hide the line.
        bool seen = false;
        for (const QPointF shift : {QPointF(0, 0), QPointF(3, 3), QPointF(-3, 5)})
            seen = seen || crosses(image, camera.toView(from) + shift, camera.toView(to) + shift, colour);
        QCOMPARE(seen, shown);
    }

    // The chosen place's name shows beside the pin, neither under it nor under its title.
    void markerNamesItsPlace() {
        const GeoPoint village = ll(44.70, 6.87);
        const PlaceLabels labels(
            std::vector<MapPlace>{{village, QStringLiteral("Chosenville"), 800},
                                  {ll(44.75, 6.80), QStringLiteral("Upper Town"), 90000},
                                  {ll(44.62, 6.95), QStringLiteral("Lower Town"), 60000},
                                  {ll(44.72, 7.00), QStringLiteral("East Town"), 40000}});
        MapOnPlace chosen(kPhone, labels, village);
        const MapView &map = chosen.map;
        QTRY_VERIFY(!map.animating());
        const QPointF tip = map.markerPoint();
        const QRectF pin(tip.x() - LabelLayout::kPinWidth / 2, tip.y() - LabelLayout::kPinHeight,
                         LabelLayout::kPinWidth, LabelLayout::kPinHeight);
        const QRectF title(tip.x() - 50, tip.y(), 100, 16);
        const auto own =
            std::find_if(map.placedLabels().begin(), map.placedLabels().end(),
                         [](const PlacedLabel &l) { return l.name == QLatin1String("Chosenville"); });
        QVERIFY2(own != map.placedLabels().end(), qPrintable(map.labelNames().join(u',')));
        QVERIFY(!own->text.intersects(pin) && !own->text.intersects(title));
        QVERIFY2(std::abs(own->text.center().y() - pin.center().y()) < LabelLayout::kPinHeight / 2 &&
                     std::min(std::abs(own->text.left() - pin.right()),
                              std::abs(own->text.right() - pin.left())) < 10,
                 "the name is not beside the pin");
        for (const PlacedLabel &label : map.placedLabels())
            if (&label != &*own)
                QVERIFY2(!label.text.intersects(pin) && !label.text.intersects(own->text),
                         qPrintable(label.name));
        QCOMPARE(map.labelNames().size(), MapView::kNamesAround + 1);
    }

    // The name the place goes by finds its town a little way off the chosen point; a town of that
    // name far away does not.
    void markerFindsItsPlaceByName() {
        const GeoPoint chosen = ll(44.70, 6.87);
        const PlaceLabels labels(std::vector<MapPlace>{{ll(44.72, 6.89), QStringLiteral("Nearby"), 3000},
                                                       {ll(46.0, 8.0), QStringLiteral("Faraway"), 3000}});
        const MapCamera camera(kPhone, chosen, 11.0);
        for (const auto &[placeName, named] :
             {std::pair{"Nearby, Region", "Nearby"}, {"Faraway, Region", ""}, {"", ""}}) {
            const LabelLayout::Marker marker{camera.toView(chosen), QString::fromLatin1(placeName)};
            const auto placed = LabelLayout().layout(camera, labels, {}, marker);
            const auto own =
                std::find_if(placed.begin(), placed.end(), [](const PlacedLabel &l) { return !l.dot; });
            QCOMPARE(own != placed.end() ? own->name : QString(), QString::fromLatin1(named));
        }
    }
};

QTEST_MAIN(TestMap)
#include "tst_map.moc"
