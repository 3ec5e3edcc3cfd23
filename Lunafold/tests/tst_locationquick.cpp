// SPDX-License-Identifier: MIT
// Qt Quick tests of the Location tab (qml-location/tst_*.qml) with a Locator on a fake device and
// the offline geocoder.
#include "FixedPlace.h"
#include "core/geo/OfflineGeocoder.h"
#include "ui/app/AppGraph.h"
#include "ui/app/QmlTypes.h"
#include "ui/quick/MoonImageProvider.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

using namespace lunafold;

/// The device and place names under the graph's Locator: the tests grant or deny access through the
/// TestDevice singleton, and places are named from the graph's place data once the graph is built.
class TestDevice : public QObject, public Geocoder {
    Q_OBJECT

  public:
    TestDevice() { m_locator.didChangeAuthorization(m_parts.device.status); } // loads the (empty) saved place

    Locator &locator() { return m_locator; }
    void readPlacesFrom(const PlaceData &places) { m_offline.emplace(places); }
    void reverseGeocode(
        const GeoPoint &point,
        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
            completion) override {
        if (m_offline)
            m_offline->reverseGeocode(point, std::move(completion));
        else
            completion(std::nullopt, QStringLiteral("no place data yet"));
    }
    Q_INVOKABLE void setAccess(bool granted) {
        m_parts.device.status =
            granted ? LocationAuthorization::authorizedWhenInUse : LocationAuthorization::denied;
        m_locator.didChangeAuthorization(m_parts.device.status);
    }

  private:
    test::LocatorParts m_parts;
    std::optional<OfflineGeocoder> m_offline;
    Locator m_locator{m_parts.device, *this, m_parts.store, false};
};

class Setup : public QObject {
    Q_OBJECT

  public Q_SLOTS:
    void applicationAvailable() {
        m_device = std::make_unique<TestDevice>();
        m_graph = std::make_unique<AppGraph>(AppGraph::Parts{{}, &m_device->locator()});
        m_device->readPlacesFrom(m_graph->places());
    }
    // The other tabs show moon pictures too: plain discs are enough here.
    void qmlEngineAvailable(QQmlEngine *engine) {
        MoonImageProvider::setRenderer(
            [](Instant, bool, std::optional<double>, std::optional<double>, int w, int h) {
                QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::gray);
                return image;
            });
        m_graph->attach(*engine);
        engine->rootContext()->setContextProperty(QStringLiteral("testDevice"), m_device.get());
    }
    void cleanupTestCase() {
        m_graph.reset();
        m_device.reset();
    }

  private:
    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<AppGraph> m_graph;
};

QUICK_TEST_MAIN_WITH_SETUP(location, Setup)
#include "tst_locationquick.moc"
