// SPDX-License-Identifier: MIT
// The Location tab's view-model and its map's marker and camera, on a fake device and geocoder
// and a frozen clock, without a window.
#include "FixedPlace.h"
#include "core/text/Translations.h"
#include "core/viewmodels/LocationViewModel.h"
#include "notices/AppClock.h"
#include "ui/map/MapView.h"

#include <QtTest>

using namespace lunafold;

namespace {

using test::at;

QStringList column(const QVariantList &rows, const char *key) {
    QStringList out;
    for (const QVariant &row : rows)
        out << row.toMap().value(QLatin1String(key)).toString();
    return out;
}

const QSizeF kMapSize(390, 470);

} // namespace

class TestLocation : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FixedPlace> m_place;
    Locator &locator() { return m_place->locator(); }
    test::FakeDevice &device() { return m_place->device; }
    test::FakeGeocoder &geocoder() { return m_place->geocoder; }

    // A map of the phone's size following the Locator, its first flight (if any) finished.
    std::unique_ptr<MapView> settledMap() {
        auto map = std::make_unique<MapView>();
        map->setSize(kMapSize);
        map->setLocator(&locator());
        if (map->animating())
            [&] { QTRY_VERIFY(!map->animating()); }();
        return map;
    }

    static MapCamera regionAround(const GeoPoint &c) {
        MapCamera camera(kMapSize, c, 0);
        camera.showRegion(c, 0.02, 0.02);
        return camera;
    }

  private Q_SLOTS:
    void init() {
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        m_place = std::make_unique<test::FixedPlace>(); // names every point "Somewhere, Testland"
        geocoder().answer =
            QList<Placemark>{{u"Somewhere"_qs, std::nullopt, u"Testland"_qs, u"Europe/Paris"_qs}};
        AppClock::freeze(at("2024-07-01T12:00:00Z"));
    }
    void cleanupTestCase() {
        AppClock::reset();
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // Only a value above 0 counts as north or east; the zone is named as it is now, then in winter.
    void coordinateRows() {
        const struct {
            double latitude, longitude;
            const char *zone, *values;
        } cases[] = {
            {0.0, 0.0, "Europe/London", "0.0000° south|0.0000° west|BST"},
            {0.00001, 0.00004, "Etc/UTC", "0.0000° north|0.0000° east|UTC"},
            {41.3, 69.24, "Asia/Tashkent", "41.3000° north|69.2400° east|+05"}, // known by its offset
            {-33.86882, 151.20929, "Australia/Sydney", "33.8688° south|151.2093° east|AEST"},
        };
        LocationViewModel model(&locator());
        for (const auto &c : cases) {
            m_place->set(c.latitude, c.longitude, c.zone);
            QCOMPARE(column(model.coordinateRows(), "label"),
                     (QStringList{"Latitude", "Longitude", "Time Zone"}));
            QCOMPARE(column(model.coordinateRows(), "value").join(u'|'), QString::fromUtf8(c.values));
        }
        AppClock::freeze(at("2024-12-01T12:00:00Z"));
        model.refresh();
        QCOMPARE(column(model.coordinateRows(), "value").last(), u"AEDT"_qs);
    }

    // First run without a location source: figures for the zone's principal location at once,
    // a locating line with a way out, then one line saying it failed.
    void firstRunWithoutALocationSource() {
        device().status = LocationAuthorization::authorizedWhenInUse;
        const auto approximate = [this] {
            auto made = std::make_unique<Locator>(device(), geocoder(), m_place->store, true);
            made->setApproximatePlace(ApproximatePlace{48.8667, 2.3333, u"Europe/Paris"_qs, u"Paris"_qs});
            return made;
        };
        const auto first = approximate();
        LocationViewModel model(first.get());
        QVERIFY(model.statusText().isEmpty());
        first->didChangeAuthorization(device().status);
        QCOMPARE(column(model.coordinateRows(), "value").mid(0, 2),
                 (QStringList{"48.8667° north", "2.3333° east"}));
        QVERIFY(model.locating());
        QCOMPARE(model.statusText(), u"Locating… Until then: approximate, from your time zone"_qs);
        first->didFailWithError(u"The operation timed out"_qs);
        QVERIFY(!model.locating());
        QCOMPARE(model.statusText(),
                 u"Your position could not be found. Pick a place on the map or search."_qs);
        QCOMPARE(model.placeText(), u"Paris"_qs); // still figures for the approximate place
        // Cancelling instead leaves the approximate place, named as such.
        const auto second = approximate();
        LocationViewModel secondModel(second.get());
        second->didChangeAuthorization(device().status);
        secondModel.cancelLocating();
        QCOMPARE(secondModel.statusText(), u"Approximate, from your time zone"_qs);
    }

    // Only a real name shows: not the dash for a failed or empty lookup, blanks or nothing.
    void placeLine() {
        for (const char *text : {"-", " ", "", " \t- \t"})
            QVERIFY2(!LocationViewModel::showsPlace(QString::fromLatin1(text)), text);
        for (const char *text : {"Paris, Île-de-France", "--", "Saint-Denis"})
            QVERIFY2(LocationViewModel::showsPlace(QString::fromUtf8(text)), text);
        LocationViewModel model(&locator());
        QVERIFY(!model.placeVisible()); // " " before anything is known
        locator().setChosenLocation(10, 20);
        QCOMPARE(model.placeText(), u"Somewhere, Testland"_qs);
        QVERIFY(model.placeVisible());
        geocoder().error = u"offline"_qs;
        locator().setChosenLocation(11, 20);
        QCOMPARE(model.placeText(), u"-"_qs);
        QVERIFY(!model.placeVisible());
        geocoder().error.reset();
        geocoder().answer = QList<Placemark>{};
        locator().setChosenLocation(12, 20);
        QCOMPARE(model.placeText(), u"-"_qs);
    }

    // The button's texts are followed through the screen by tst_locationview.qml.
    void theButtonSaysWhetherTheDeviceMayBeAsked() {
        LocationViewModel model(&locator());
        locator().didChangeAuthorization(LocationAuthorization::denied);
        QCOMPARE(model.currentLocationIcon(), u"location-slash"_qs);
        device().status = LocationAuthorization::authorizedWhenInUse;
        locator().didChangeAuthorization(device().status);
        QCOMPARE(model.currentLocationIcon(), u"location"_qs);
        // Pressed, it asks the device again: both coordinates are unknown and no zone is shown
        // until a fix arrives.
        const int starts = device().starts;
        model.startCurrentLocation();
        QCOMPARE(device().starts, starts + 1);
        QCOMPARE(column(model.coordinateRows(), "label"), (QStringList{"Latitude", "Longitude"}));
        QCOMPARE(column(model.coordinateRows(), "value"), (QStringList{"Unknown", "Unknown"}));
    }

    void textsInGerman() {
        QVERIFY(useLocale(QLocale(QLocale::German, QLocale::Germany)));
        LocationViewModel model(&locator());
        m_place->set(-33.86882, 151.20929, "Australia/Sydney");
        QCOMPARE(column(model.coordinateRows(), "label"),
                 (QStringList{"Breitengrad", "Längengrad", "Zeitzone"}));
        QCOMPARE(column(model.coordinateRows(), "value").mid(0, 2),
                 (QStringList{"33,8688° Süd", "151,2093° Ost"}));
        QCOMPARE(model.currentLocationText(), u"Aktueller Standort nicht verfügbar"_qs);
    }

    void aPublishedCoordinateMovesTheMarkerThenTheCamera() {
        auto map = settledMap();
        QVERIFY(!map->hasMarker()); // nothing published yet
        QSignalSpy marker(map.get(), &MapView::markerChanged);
        m_place->set(-33.8688, 151.2093, "Australia/Sydney");
        QCOMPARE(marker.count(), 1);
        QCOMPARE(map->markerLocation(), (GeoPoint{Longitude(151.2093), Latitude(-33.8688)}));
        // The camera flies there, to the 0.02° × 0.02° region around it.
        QVERIFY(map->animating());
        const MapCamera region = regionAround(GeoPoint{Longitude(151.2093), Latitude(-33.8688)});
        QCOMPARE(map->cameraTarget(), region);
        QTRY_VERIFY(!map->animating());
        QCOMPARE(map->camera(), region);
        QVERIFY(QLineF(map->markerPoint(), QRectF(QPointF(), kMapSize).center()).length() < 1e-6);
    }

    void anAbsentOrEqualCoordinateChangesNothing() {
        locator().setChosenLocation(48.8566, 2.3522); // saved, so a denied start restores it
        auto map = settledMap();
        map->panBy(120, -40); // the user looks elsewhere
        const MapCamera looking = map->camera();
        QSignalSpy marker(map.get(), &MapView::markerChanged);
        // "Current Location" without access: absent, then the same saved place again.
        locator().startCurrentLocation();
        QCOMPARE(locator().latitude(), 48.8566);
        QCOMPARE(marker.count(), 0);
        QVERIFY(!map->animating());
        QCOMPARE(map->camera(), looking);
        // Absent while a fix is awaited: the marker stays where it was.
        device().status = LocationAuthorization::authorizedWhenInUse;
        locator().startCurrentLocation();
        QVERIFY(!locator().hasLocation() && map->hasMarker());
        QCOMPARE(marker.count(), 0);
        QCOMPARE(map->camera(), looking);
    }

    void aTapGoesThroughTheLocatorAndComesBack() {
        locator().setChosenLocation(48.8566, 2.3522);
        auto map = settledMap();
        const QPointF tap(300, 100);
        const GeoPoint tapped = *map->camera().toCoordinate(tap);
        QVERIFY(map->tapAt(tap.x(), tap.y()));
        // The Locator took it and published it, which moved the marker and the camera.
        QCOMPARE(locator().latitude(), tapped.latitude());
        QCOMPARE(map->markerLocation(), tapped);
        QCOMPARE(map->cameraTarget(), regionAround(tapped));

        // Without a Locator a tap has nowhere to go: nothing moves.
        MapView alone;
        alone.setSize(kMapSize);
        QVERIFY(!alone.tapAt(100, 100) && !alone.hasMarker());
    }

    void theValueWhenFirstShownCounts() {
        m_place->set(64.1466, -21.9426, "Atlantic/Reykjavik");
        MapView map; // not laid out yet
        map.setLocator(&locator());
        QCOMPARE(map.markerLocation(), (GeoPoint{Longitude(-21.9426), Latitude(64.1466)}));
        QVERIFY(!map.animating());
        map.setSize(kMapSize); // the region is shown as soon as there is room for it
        QCOMPARE(map.camera(), regionAround(GeoPoint{Longitude(-21.9426), Latitude(64.1466)}));
    }

    void gesturesEndAFlight() {
        auto map = settledMap();
        m_place->set(35.6762, 139.6503, "Asia/Tokyo");
        QVERIFY(map->animating());
        map->zoomBy(0.5, 10, 10);
        QVERIFY(!map->animating());
        QTest::qWait(MapView::kFlightMilliseconds + 100);
        // The flight did not resume.
        QVERIFY(map->camera() != regionAround(GeoPoint{Longitude(139.6503), Latitude(35.6762)}));
    }

    // A released drag glides on in its direction, slowing to a stop about speed × 0.325 s on; a
    // slow release or a new touch stops it.
    void aFlingGlidesAndStops() {
        locator().setChosenLocation(48.8566, 2.3522);
        auto map = settledMap();
        const QPointF start = map->camera().centre();
        map->fling(800, -400); // content to the right and up: the view looks west and south
        QTRY_VERIFY_WITH_TIMEOUT(!(map->camera().centre() == start), 1000);
        QPointF last;
        QTRY_VERIFY_WITH_TIMEOUT(
            (last = map->camera().centre(), QTest::qWait(100), map->camera().centre() == last), 4000);
        const QPointF moved = (map->camera().centre() - start) * map->camera().worldSize();
        QVERIFY2(moved.x() < -200 && moved.x() > -270 && moved.y() > 100 && moved.y() < 135,
                 qPrintable(u"%1 %2"_qs.arg(moved.x()).arg(moved.y())));

        const MapCamera still = map->camera();
        map->fling(30, 0);
        QTest::qWait(100);
        QCOMPARE(map->camera(), still);
        map->fling(-2000, 0);
        QTRY_VERIFY(!(map->camera() == still));
        map->panBy(0, 1); // a finger down again
        const MapCamera held = map->camera();
        QTest::qWait(100);
        QCOMPARE(map->camera(), held);
    }
};

QTEST_MAIN(TestLocation)
#include "tst_location.moc"
