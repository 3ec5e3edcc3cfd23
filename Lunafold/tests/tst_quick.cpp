// SPDX-License-Identifier: MIT
// Qt Quick tests of the screens (qml/tst_*.qml) with the app's QML types and without services:
// Paris, a frozen clock at 2024-04-23T12:00Z, en_US, grey discs for moon pictures.
#include "FixedPlace.h"
#include "core/text/Translations.h"
#include "notices/AppClock.h"
#include "ui/app/AppGraph.h"
#include "ui/quick/MoonImageProvider.h"

#include <QImage>
#include <QQmlEngine>
#include <QtQuickTest>

#include <memory>

using namespace lunafold;

class Setup : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FixedPlace> m_place;
    std::unique_ptr<AppGraph> m_graph;

  public Q_SLOTS:
    void applicationAvailable() {
        qputenv("TZ", "UTC");
        useLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        AppClock::freeze(Instant::trusted(1713873600)); // 2024-04-23T12:00:00Z
        m_place = std::make_unique<test::FixedPlace>();
        m_place->set(48.8566, 2.3522, "Europe/Paris");
        m_graph = std::make_unique<AppGraph>(AppGraph::Parts{{}, &m_place->locator()});
        MoonImageProvider::setRenderer(
            [](Instant, bool, std::optional<double>, std::optional<double>, int w, int h) {
                QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::gray);
                return image;
            });
    }
    void qmlEngineAvailable(QQmlEngine *engine) { m_graph->attach(*engine); }
    void cleanupTestCase() {
        m_graph.reset();
        m_place.reset();
    }
};

QUICK_TEST_MAIN_WITH_SETUP(screens, Setup)
#include "tst_quick.moc"
