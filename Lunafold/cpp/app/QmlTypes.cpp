// SPDX-License-Identifier: MIT
#include "QmlTypes.h"

#include "ActivityViewController.h"
#include "AppBridge.h"
#include "AppServices.h"
#include "LocationViewModel.h"
#include "Locator.h"
#include "MapView.h"
#include "MainViewModel.h"
#include "MoonImageProvider.h"
#include "NowViewModel.h"
#include "PermissionPrompt.h"
#include "RiseSetViewModel.h"
#include "SavedData.h"

#include <QQmlEngine>

namespace lunafold {

void registerQmlTypes(AppServices *services, AppBridge *bridge) {
    constexpr const char *uri = "Lunafold";
    qmlRegisterType<MainViewModel>(uri, 1, 0, "MainViewModel");
    qmlRegisterType<NowViewModel>(uri, 1, 0, "NowViewModel");
    qmlRegisterType<RiseSetViewModel>(uri, 1, 0, "RiseSetViewModel");
    qmlRegisterType<LocationViewModel>(uri, 1, 0, "LocationViewModel");
    qmlRegisterType<MapView>(uri, 1, 0, "MapView");
    qmlRegisterSingletonInstance<SavedData>(uri, 1, 0, "SavedData", &SavedData::shared());
    static PermissionPrompt idlePrompt; // nobody asks without services
    qmlRegisterSingletonInstance<PermissionPrompt>(uri, 1, 0, "PermissionPrompt",
                                                   services ? &services->permissionPrompt() : &idlePrompt);
    static AppBridge idleBridge;
    qmlRegisterSingletonInstance<AppBridge>(uri, 1, 0, "App", bridge ? bridge : &idleBridge);
    qmlRegisterSingletonInstance<ActivityViewController>(uri, 1, 0, "ShareSheet", &AppBridge::shareSheet());
}

void addImageProviders(QQmlEngine &engine) {
    engine.addImageProvider(QStringLiteral("moon"), new MoonImageProvider);
    engine.addImageProvider(QStringLiteral("share"), new ShareImageProvider(AppBridge::shareSheet()));
}

} // namespace lunafold
