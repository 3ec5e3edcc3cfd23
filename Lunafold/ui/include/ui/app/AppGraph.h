// SPDX-License-Identifier: MIT
#pragma once

#include "core/app/AppServices.h"

#include <QObject>

#include <memory>
#include <mutex>
#include <optional>

class QQmlEngine;

namespace lunafold {

class ActivityViewController;
class AppBridge;
class Basemap;
class Locator;
class MapSettings;
class MoonPictures;
class MotionPreference;
class PermissionPrompt;
class PlaceData;
class PlaceLabels;
class SavedData;
class TileSource;

/// Every app-wide object the app and its screens use, made here and nowhere else: the platform
/// services, the settings, the map's data and the window's bridges. Tests build it the same way
/// without services, over a Locator of their own. QML reaches these objects as singletons of the
/// engine the graph is attached to.
class AppGraph : public QObject {
    Q_OBJECT

  public:
    struct Parts {
        std::optional<AppServices::Options> services; ///< the app's platform layers; none in tests
        Locator *locator = nullptr;                   ///< the place without services
        /// false for screenshots: nobody answers questions and the map never goes online
        bool interactive = true;
    };

    explicit AppGraph(const Parts &parts, QObject *parent = nullptr);
    ~AppGraph() override;

    /// The platform services; only the app has them.
    AppServices *services() const { return m_services.get(); }
    Locator *locator() const { return m_locator; }
    SavedData &savedData() const { return *m_saved; }
    MotionPreference &motion() const { return *m_motion; }
    MoonPictures &pictures() const { return *m_pictures; }
    MapSettings &mapSettings() const { return *m_mapSettings; }
    PermissionPrompt &permissionPrompt() const { return *m_prompt; }
    AppBridge &bridge() const { return *m_bridge; }
    ActivityViewController &shareSheet() const;
    /// The online tiles; null when the map shows the offline basemap alone.
    TileSource *tiles() const { return m_tiles.get(); }
    /// The bundled basemap and place names, loaded on first use (from any thread).
    const Basemap *basemap() const;
    const PlaceLabels &placeLabels() const;
    PlaceData &places() const { return *m_places; }
    /// Starts decoding the moon's surface maps on a worker, for the CPU shading's first picture.
    void preloadMoonMaps() const;
    /// Rebuilds the pending notifications from the graph's settings.
    void rescheduleNotifications() const;

    /// Makes this graph the one @p engine's singletons come from, and adds the picture providers.
    void attach(QQmlEngine &engine);
    /// The graph @p engine was attached to; null when none was.
    static AppGraph *of(const QQmlEngine *engine);

  private:
    // In the order they are made, so that each goes before what it uses.
    std::unique_ptr<PlaceData> m_places;
    mutable std::once_flag m_basemapOnce;
    mutable std::unique_ptr<const Basemap> m_basemap; // never null once read: without data, all sea
    std::unique_ptr<MotionPreference> m_motion;
    std::unique_ptr<MoonPictures> m_pictures;
    std::unique_ptr<PermissionPrompt> m_ownPrompt;
    std::unique_ptr<MapSettings> m_mapSettings;
    std::unique_ptr<AppBridge> m_bridge;
    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<TileSource> m_tiles; // after the settings it follows
    Locator *m_locator;
    SavedData *m_saved;
    PermissionPrompt *m_prompt = nullptr;
};

} // namespace lunafold
