// SPDX-License-Identifier: MIT
// What the offline map shows beyond land and countries (lakes, rivers, state lines), and where
// place names go: beside the marker for its own place, never cut by the view's edge.
#include "FixedPlace.h"
#include "core/map/MapCamera.h"
#include "ui/map/Basemap.h"
#include "ui/map/BasemapPainter.h"
#include "ui/map/LabelLayout.h"
#include "ui/map/MapView.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace lunafold;

namespace {

const Basemap &basemap() {
    static const auto map = Basemap::fromDirectory(Basemap::defaultDirectory());
    return *map;
}

GeoPoint ll(double latitude, double longitude) {
    return GeoPoint{Longitude(longitude), Latitude(latitude)};
}

// Rivers and state lines in colours nothing else uses, so that a pixel tells which line it is.
MapStyle markedStyle() {
    MapStyle style;
    style.graticule = Qt::transparent;
    style.river = QColor(0, 255, 0);
    style.admin = QColor(255, 0, 0);
    return style;
}

QImage render(const MapCamera &camera) {
    QImage image(camera.viewport().toSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    BasemapPainter::paint(painter, camera, basemap(), markedStyle());
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

} // namespace

Q_DECLARE_METATYPE(lunafold::GeoPoint)

class TestBasemapLayers : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void lakesAreWater_data() {
        QTest::addColumn<GeoPoint>("point");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<bool>("water");
        QTest::newRow("Lake Geneva") << ll(46.45, 6.55) << 9.0 << true;
        QTest::newRow("Lake Victoria") << ll(-1.8, 32.8) << 5.0 << true;
        QTest::newRow("Lake Superior, from afar") << ll(47.7, -87.5) << 2.0 << true;
        QTest::newRow("Lake Baikal") << ll(53.3, 108.0) << 7.0 << true;
        QTest::newRow("Lausanne, on its shore") << ll(46.56, 6.63) << 9.0 << false;
        QTest::newRow("Kampala, by Lake Victoria") << ll(0.35, 32.58) << 5.0 << false;
    }
    void lakesAreWater() {
        QFETCH(GeoPoint, point);
        QFETCH(double, zoom);
        QFETCH(bool, water);
        QVERIFY(basemap().isLoaded());
        const MapCamera camera({101, 101}, point, zoom);
        const MapStyle style = markedStyle();
        QCOMPARE(render(camera).pixelColor(50, 50), water ? style.sea : style.land);
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
        QTest::newRow("São Paulo to Minas Gerais")
            << ll(-21.0, -48.5) << ll(-19.5, -47.0) << 6.0 << true << true;
        QTest::newRow("across the Nile") << ll(26.0, 31.0) << ll(26.0, 34.0) << 6.0 << false << true;
        QTest::newRow("across the Nile, zoomed out")
            << ll(26.0, 31.0) << ll(26.0, 34.0) << 3.0 << false << false;
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
        const QImage image = render(camera);
        const QRgb colour = admin ? markedStyle().admin.rgb() : markedStyle().river.rgb();
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
        test::FixedPlace place;
        MapView map;
        map.setSize({390, 470});
        map.setPlaceLabels(&labels);
        map.setLocator(&place.locator());
        place.set(village.latitude(), village.longitude(), "Europe/Paris");
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

    // The name the place goes by finds its town a little way off the chosen point, and that name
    // goes beside the pin; a town of that name far away does not.
    void markerFindsItsPlaceByName_data() {
        QTest::addColumn<QString>("placeName");
        QTest::addColumn<QString>("named");
        QTest::newRow("the town nearby") << QStringLiteral("Nearby, Region") << QStringLiteral("Nearby");
        QTest::newRow("only a town far away") << QStringLiteral("Faraway, Region") << QString();
        QTest::newRow("no name") << QString() << QString();
    }
    void markerFindsItsPlaceByName() {
        QFETCH(QString, placeName);
        QFETCH(QString, named);
        const GeoPoint chosen = ll(44.70, 6.87);
        const PlaceLabels labels(std::vector<MapPlace>{{ll(44.72, 6.89), QStringLiteral("Nearby"), 3000},
                                                       {ll(46.0, 8.0), QStringLiteral("Faraway"), 3000}});
        const MapCamera camera({390, 470}, chosen, 11.0);
        const QPointF tip = camera.toView(chosen);
        const auto placed = LabelLayout().layout(camera, labels, {}, LabelLayout::Marker{tip, placeName});
        const auto own =
            std::find_if(placed.begin(), placed.end(), [](const PlacedLabel &l) { return !l.dot; });
        QCOMPARE(own != placed.end() ? own->name : QString(), named);
        if (own != placed.end())
            QVERIFY(std::abs(own->text.center().y() - (tip.y() - LabelLayout::kPinHeight / 2)) <
                    LabelLayout::kPinHeight / 2);
    }

    // Wherever the view stops, every name lies wholly inside it.
    void namesStayInsideTheView_data() {
        QTest::addColumn<QPointF>("shift"); // of the view over the grid of places, points
        QTest::newRow("centred") << QPointF(0, 0);
        QTest::newRow("names at the top edge") << QPointF(0, 17);
        QTest::newRow("names at the bottom edge") << QPointF(0, -23);
        QTest::newRow("names at the sides") << QPointF(31, 5);
    }
    void namesStayInsideTheView() {
        QFETCH(QPointF, shift);
        std::vector<MapPlace> places;
        for (int i = -20; i <= 20; ++i)
            for (int j = -20; j <= 20; ++j)
                places.push_back({ll(i * 0.05, j * 0.07), QStringLiteral("Town %1 %2").arg(i).arg(j), 50000});
        const PlaceLabels labels(places);
        MapCamera camera({390, 470}, ll(0, 0), 9.0);
        camera.panBy(shift.x(), shift.y());
        const std::vector<PlacedLabel> placed = LabelLayout().layout(camera, labels);
        QVERIFY2(placed.size() > 10, qPrintable(QString::number(placed.size())));
        const QRectF view(QPointF(0, 0), camera.viewport());
        for (const PlacedLabel &label : placed)
            QVERIFY2(view.contains(label.text), qPrintable(label.name));
    }
};

QTEST_MAIN(TestBasemapLayers)
#include "tst_basemaplayers.moc"
