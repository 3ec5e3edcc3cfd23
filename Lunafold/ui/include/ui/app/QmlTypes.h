// SPDX-License-Identifier: MIT
#pragma once

// What "import Lunafold" offers QML. The view-models of LunafoldCore know nothing of Qt Qml (the
// command line links them), so they are declared here; the app-wide services are singletons that
// come from the graph the engine is attached to.

#include "core/app/PermissionPrompt.h"
#include "core/geo/PlaceData.h"
#include "core/services/Locator.h"
#include "core/services/SavedData.h"
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/DatePickerModel.h"
#include "core/viewmodels/FutureDetailViewModel.h"
#include "core/viewmodels/LocationViewModel.h"
#include "core/viewmodels/MainViewModel.h"
#include "core/viewmodels/MoonPictures.h"
#include "core/viewmodels/MotionPreference.h"
#include "core/viewmodels/NotificationsViewModel.h"
#include "core/viewmodels/NowViewModel.h"
#include "core/viewmodels/PlaceSearchModel.h"
#include "core/viewmodels/RiseSetViewModel.h"
#include "ui/app/AppBridge.h"
#include "ui/app/AppGraph.h"
#include "ui/map/MapSettings.h"
#include "ui/map/MapView.h"
#include "ui/quick/ActivityViewController.h"
#include "ui/viewmodels/AboutViewModel.h"

#include <QJSEngine>
#include <QQmlEngine>

namespace lunafold::qml {

/// The graph's instance of a service, kept by the graph rather than by the engine.
template <typename T> T *fromGraph(QQmlEngine *engine, T &(AppGraph::*get)() const) {
    AppGraph *graph = AppGraph::of(engine);
    if (!graph)
        return nullptr;
    T *object = &(graph->*get)();
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}

struct MainViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::MainViewModel)
    QML_NAMED_ELEMENT(MainViewModel)
};

struct NowViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::NowViewModel)
    QML_NAMED_ELEMENT(NowViewModel)
};

struct RiseSetViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::RiseSetViewModel)
    QML_NAMED_ELEMENT(RiseSetViewModel)
};

struct NotificationsViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::NotificationsViewModel)
    QML_NAMED_ELEMENT(NotificationsViewModel)
};

struct AboutViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::AboutViewModel)
    QML_NAMED_ELEMENT(AboutViewModel)
};

struct CalendarViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::CalendarViewModel)
    QML_NAMED_ELEMENT(CalendarViewModel)
};

struct FutureDetailViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::FutureDetailViewModel)
    QML_NAMED_ELEMENT(FutureDetailViewModel)
};

struct DatePickerModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::DatePickerModel)
    QML_NAMED_ELEMENT(DatePickerModel)
};

struct LocationViewModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::LocationViewModel)
    QML_NAMED_ELEMENT(LocationViewModel)
};

struct PlaceSearchModelDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::PlaceSearchModel)
    QML_NAMED_ELEMENT(PlaceSearchModel)
};

struct MapViewDeclaration {
    Q_GADGET
    QML_FOREIGN(lunafold::MapView)
    QML_NAMED_ELEMENT(MapView)
};

struct LocatorSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::Locator)
    QML_NAMED_ELEMENT(Locator)
    QML_SINGLETON
  public:
    static Locator *create(QQmlEngine *engine, QJSEngine *) {
        AppGraph *graph = AppGraph::of(engine);
        Locator *locator = graph ? graph->locator() : nullptr;
        if (locator)
            QJSEngine::setObjectOwnership(locator, QJSEngine::CppOwnership);
        return locator;
    }
};

/// The bundled places, which the search reads.
struct PlaceDataSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::PlaceData)
    QML_NAMED_ELEMENT(Places)
    QML_SINGLETON
  public:
    static PlaceData *create(QQmlEngine *engine, QJSEngine *) { return fromGraph(engine, &AppGraph::places); }
};

struct MotionPreferenceSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::MotionPreference)
    QML_NAMED_ELEMENT(MotionPreference)
    QML_SINGLETON
  public:
    static MotionPreference *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::motion);
    }
};

struct MoonPicturesSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::MoonPictures)
    QML_NAMED_ELEMENT(MoonPictures)
    QML_SINGLETON
  public:
    static MoonPictures *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::pictures);
    }
};

struct SavedDataSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::SavedData)
    QML_NAMED_ELEMENT(SavedData)
    QML_SINGLETON
  public:
    static SavedData *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::savedData);
    }
};

struct MapSettingsSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::MapSettings)
    QML_NAMED_ELEMENT(MapSettings)
    QML_SINGLETON
  public:
    static MapSettings *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::mapSettings);
    }
};

struct PermissionPromptSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::PermissionPrompt)
    QML_NAMED_ELEMENT(PermissionPrompt)
    QML_SINGLETON
  public:
    static PermissionPrompt *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::permissionPrompt);
    }
};

struct AppSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::AppBridge)
    QML_NAMED_ELEMENT(App)
    QML_SINGLETON
  public:
    static AppBridge *create(QQmlEngine *engine, QJSEngine *) { return fromGraph(engine, &AppGraph::bridge); }
};

struct ShareSheetSingleton {
    Q_GADGET
    QML_FOREIGN(lunafold::ActivityViewController)
    QML_NAMED_ELEMENT(ShareSheet)
    QML_SINGLETON
  public:
    static ActivityViewController *create(QQmlEngine *engine, QJSEngine *) {
        return fromGraph(engine, &AppGraph::shareSheet);
    }
};

} // namespace lunafold::qml
