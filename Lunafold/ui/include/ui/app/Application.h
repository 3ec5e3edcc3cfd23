// SPDX-License-Identifier: MIT
#pragma once

#include "ui/app/AppGraph.h"
#include "ui/app/LaunchOptions.h"

#include <QObject>

#include <memory>

class QGuiApplication;
class QQmlApplicationEngine;
class QQuickWindow;

namespace lunafold {

class LunafoldApp;

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
    AppServices &services() { return *m_graph->services(); }
    /// Shows and raises the window (another launch, a clicked notice); @p nowTab selects Now.
    void bringForward(bool nowTab);

  private:
    /// Starts reading the places and the map's data once the first frame is on screen.
    void readDataAfterFirstFrame();

    std::unique_ptr<LunafoldApp> m_lunafold;
    std::unique_ptr<AppGraph> m_graph;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QQuickWindow *m_window = nullptr;
};

} // namespace lunafold
