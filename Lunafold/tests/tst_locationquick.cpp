// SPDX-License-Identifier: MIT
// Qt Quick tests of the Location tab (qml-location/tst_*.qml) with a Locator on a fake device and
// the offline geocoder, which the tests steer through the TestLocator singleton.
#include "FixedPlace.h"
#include "core/geo/OfflineGeocoder.h"
#include "ui/app/AppGraph.h"
#include "ui/app/QmlTypes.h"
#include "ui/quick/MoonImageProvider.h"

#include <QQmlEngine>
#include <QtQuickTest>

using namespace lunafold;

/// The tests' handle on the Locator, which names places from the graph's place data once the graph
/// is built over it.
class TestLocator : public QObject, public Geocoder {
    Q_OBJECT
    Q_PROPERTY(bool hasLocation READ hasLocation NOTIFY changed)
    Q_PROPERTY(double latitude READ latitude NOTIFY changed)
    Q_PROPERTY(double longitude READ longitude NOTIFY changed)
    Q_PROPERTY(QString placeText READ placeText NOTIFY changed)

  public:
    TestLocator() {
        connect(&m_locator, &Locator::currentLocationChanged, this, &TestLocator::changed);
        connect(&m_locator, &Locator::friendlyLocationTextChanged, this, &TestLocator::changed);
        m_locator.didChangeAuthorization(m_parts.device.status); // loads the (empty) saved place
    }

    bool hasLocation() const { return m_locator.hasLocation(); }
    double latitude() const { return m_locator.latitude(); }
    double longitude() const { return m_locator.longitude(); }
    QString placeText() const { return m_locator.friendlyLocationText(); }
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

    /// A place as the device or a tap would publish it.
    Q_INVOKABLE void choose(double latitude, double longitude) {
        m_locator.setChosenLocation(latitude, longitude);
    }
    Q_INVOKABLE void setAccess(bool granted) {
        m_parts.device.status =
            granted ? LocationAuthorization::authorizedWhenInUse : LocationAuthorization::denied;
        m_locator.didChangeAuthorization(m_parts.device.status);
    }

  Q_SIGNALS:
    void changed();

  private:
    test::LocatorParts m_parts;
    std::optional<OfflineGeocoder> m_offline;
    Locator m_locator{m_parts.device, *this, m_parts.store, false};
};

class Setup : public QObject {
    Q_OBJECT

  public Q_SLOTS:
    void applicationAvailable() {
        m_locator = std::make_unique<TestLocator>();
        m_graph = std::make_unique<AppGraph>(AppGraph::Parts{{}, &m_locator->locator()});
        m_locator->readPlacesFrom(m_graph->places());
        qmlRegisterSingletonInstance<TestLocator>("LunafoldTest", 1, 0, "TestLocator", m_locator.get());
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
    }
    void cleanupTestCase() {
        m_graph.reset();
        m_locator.reset();
    }

  private:
    std::unique_ptr<TestLocator> m_locator;
    std::unique_ptr<AppGraph> m_graph;
};

QUICK_TEST_MAIN_WITH_SETUP(location, Setup)
#include "tst_locationquick.moc"
