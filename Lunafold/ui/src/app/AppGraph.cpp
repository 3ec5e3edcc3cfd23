// SPDX-License-Identifier: MIT
#include "ui/app/AppGraph.h"

#include "MoonRendering/MoonSphereRenderer.h"
#include "common/Log.h"
#include "common/Reviewer.h"
#include "common/UserDefaults.h"
#include "core/app/AppServices.h"
#include "core/app/PermissionPrompt.h"
#include "core/geo/PlaceData.h"
#include "core/map/PlaceLabels.h"
#include "core/services/Locator.h"
#include "core/services/NotificationScheduler.h"
#include "core/services/SavedData.h"
#include "core/viewmodels/MoonPictures.h"
#include "core/viewmodels/MotionPreference.h"
#include "notices/AppClock.h"
#include "ui/app/AppBridge.h"
#include "ui/map/Basemap.h"
#include "ui/map/MapSettings.h"
#include "ui/map/TileSource.h"
#include "ui/quick/MoonImageProvider.h"

#include <QQmlEngine>
#include <QStandardPaths>
#include <QThreadPool>
#include <QtQml/QQmlExtensionPlugin>

// The QML modules live in this static library: importing their plugins here links them into every
// program that builds a graph.
Q_IMPORT_QML_PLUGIN(LunafoldPlugin)
Q_IMPORT_QML_PLUGIN(LunafoldComponentsPlugin)
Q_IMPORT_QML_PLUGIN(LunafoldScreensPlugin)

namespace lunafold {

namespace {

constexpr char kGraphProperty[] = "_lunafoldGraph";

std::unique_ptr<TileSource> onlineTiles(MapSettings &settings) {
    QString cache = qEnvironmentVariable("LUNAFOLD_CACHE_DIR");
    if (cache.isEmpty())
        cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                QStringLiteral("/lunafold");
    TileSource::Options options;
    options.urlTemplate = settings.tileUrlTemplate();
    options.cacheDirectory = cache + QStringLiteral("/tiles");
    auto tiles = std::make_unique<TileSource>(options);
    tiles->setEnabled(settings.onlineMap());
    TileSource *source = tiles.get();
    QObject::connect(&settings, &MapSettings::onlineMapChanged, source,
                     [source, &settings] { source->setEnabled(settings.onlineMap()); });
    return tiles;
}

} // namespace

AppGraph::AppGraph(const Parts &parts, QObject *parent)
    : QObject(parent), m_places(std::make_unique<PlaceData>()),
      m_motion(std::make_unique<MotionPreference>()), m_pictures(std::make_unique<MoonPictures>()),
      m_mapSettings(std::make_unique<MapSettings>(UserDefaults::standard())),
      m_bridge(std::make_unique<AppBridge>(parts.interactive)), m_locator(parts.locator),
      m_saved(&SavedData::shared()) {
    if (parts.services) {
        AppServices::Options options = *parts.services;
        options.useCurrentLocation = m_saved->useCurrentLocation();
        options.places = m_places.get();
        m_services = std::make_unique<AppServices>(options);
        m_locator = &m_services->locator();
        m_prompt = &m_services->permissionPrompt();
        // A place chosen on the map or by search moves the notices' local times with it.
        if (options.interactive)
            connect(m_locator, &Locator::placeChosen, this, [this] { rescheduleNotifications(); });
    } else {
        m_ownPrompt = std::make_unique<PermissionPrompt>(); // nobody asks without services
        m_prompt = m_ownPrompt.get();
    }
    m_bridge->setLocator(m_locator);
    if (parts.interactive)
        m_bridge->setReviewGate([] { return Reviewer::shared().showReviewPrompt(5, 5); });
    if (m_services && parts.interactive)
        m_tiles = onlineTiles(*m_mapSettings);
}

AppGraph::~AppGraph() {
    // The map's data may still be read on a worker.
    QThreadPool::globalInstance()->waitForDone();
}

ActivityViewController &AppGraph::shareSheet() const {
    return AppBridge::shareSheet();
}

void AppGraph::preloadMoonMaps() const {
    QThreadPool::globalInstance()->start([] { MoonSphereRenderer::shared().loadTexturesIfNeeded(); });
}

const Basemap *AppGraph::basemap() const {
    std::call_once(m_basemapOnce,
                   [this] { m_basemap = Basemap::fromDirectory(Basemap::defaultDirectory()); });
    return m_basemap.get();
}

const PlaceLabels &AppGraph::placeLabels() const {
    return m_places->labels();
}

void AppGraph::rescheduleNotifications() const {
    NotificationCenter *center = NotificationCenter::current();
    if (!center) {
        logLine(QStringLiteral("Notifications not scheduled: no notification centre"));
        return;
    }
    NotificationScheduler::rescheduleNotifications({center, m_saved, AppClock::now, logLine});
}

void AppGraph::attach(QQmlEngine &engine) {
    engine.setProperty(kGraphProperty, QVariant::fromValue<QObject *>(this));
    // The modules' files are in the resources under their URIs.
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(QStringLiteral("moon"), new MoonImageProvider);
    engine.addImageProvider(QStringLiteral("share"), new ShareImageProvider(shareSheet()));
}

AppGraph *AppGraph::of(const QQmlEngine *engine) {
    return engine ? qobject_cast<AppGraph *>(engine->property(kGraphProperty).value<QObject *>()) : nullptr;
}

} // namespace lunafold
