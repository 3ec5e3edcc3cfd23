// SPDX-License-Identifier: MIT
#include "QmlTypes.h"

#include "ActivityViewController.h"
#include "AboutViewModel.h"
#include "AppBridge.h"
#include "AppServices.h"
#include "CalendarViewModel.h"
#include "DatePickerModel.h"
#include "FutureDetailViewModel.h"
#include "LocationViewModel.h"
#include "Locator.h"
#include "MapSettings.h"
#include "MapView.h"
#include "MainViewModel.h"
#include "MoonImageProvider.h"
#include "NotificationsViewModel.h"
#include "MoonPictures.h"
#include "PlaceSearchModel.h"
#include "MotionPreference.h"
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
    qmlRegisterType<NotificationsViewModel>(uri, 1, 0, "NotificationsViewModel");
    qmlRegisterType<AboutViewModel>(uri, 1, 0, "AboutViewModel");
    qmlRegisterType<CalendarViewModel>(uri, 1, 0, "CalendarViewModel");
    qmlRegisterType<FutureDetailViewModel>(uri, 1, 0, "FutureDetailViewModel");
    qmlRegisterType<DatePickerModel>(uri, 1, 0, "DatePickerModel");
    qmlRegisterSingletonInstance<MotionPreference>(uri, 1, 0, "MotionPreference",
                                                   &MotionPreference::shared());
    static MoonPictures pictures;
    qmlRegisterSingletonInstance<MoonPictures>(uri, 1, 0, "MoonPictures", &pictures);
    qmlRegisterType<LocationViewModel>(uri, 1, 0, "LocationViewModel");
    qmlRegisterType<PlaceSearchModel>(uri, 1, 0, "PlaceSearchModel");
    qmlRegisterType<MapView>(uri, 1, 0, "MapView");
    qmlRegisterSingletonInstance<SavedData>(uri, 1, 0, "SavedData", &SavedData::shared());
    qmlRegisterSingletonInstance<MapSettings>(uri, 1, 0, "MapSettings", &MapSettings::shared());
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
