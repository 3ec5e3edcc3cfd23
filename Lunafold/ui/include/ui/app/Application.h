// SPDX-License-Identifier: MIT
#pragma once

#include "ui/app/LaunchOptions.h"

#include <QObject>

#include <memory>

class QGuiApplication;
class QQmlApplicationEngine;
class QQuickWindow;

namespace lunafold {

class AppBridge;
class AppServices;
class LunafoldApp;
class TileSource;

/// One run of the app inside a QGuiApplication: the services, the start-up, and the window.
/// The process entry makes one; the end-to-end test makes one and drives its window.
class Application : public QObject {
    Q_OBJECT

public:
    /// Sets the process up for @p options before the QGuiApplication exists (platform, scale, style).
    static void prepareProcess(const LaunchOptions &options);

    Application(const LaunchOptions &options, QGuiApplication &app);
    ~Application() override;

    /// The window, or nullptr when it could not be built.
    QQuickWindow *window() const { return m_window; }
    AppServices &services() { return *m_services; }
    /// Shows and raises the window (another launch, a clicked notice); @p nowTab selects Now.
    void bringForward(bool nowTab);

private:
    void startMapTiles();

    std::unique_ptr<AppServices> m_services;
    std::unique_ptr<AppBridge> m_bridge;
    std::unique_ptr<LunafoldApp> m_lunafold;
    std::unique_ptr<TileSource> m_tiles; // outlives the window that shows its tiles
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
};

} // namespace lunafold
