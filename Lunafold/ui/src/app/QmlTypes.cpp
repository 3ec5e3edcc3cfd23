// SPDX-License-Identifier: MIT
#include "ui/app/QmlTypes.h"

#include "ui/quick/ActivityViewController.h"
#include "ui/viewmodels/AboutViewModel.h"
#include "ui/app/AppBridge.h"
#include "core/app/AppServices.h"
#include "core/viewmodels/CalendarViewModel.h"
#include "core/viewmodels/DatePickerModel.h"
#include "core/viewmodels/FutureDetailViewModel.h"
#include "core/viewmodels/LocationViewModel.h"
#include "core/services/Locator.h"
#include "ui/map/MapSettings.h"
#include "ui/map/MapView.h"
#include "core/viewmodels/MainViewModel.h"
#include "ui/quick/MoonImageProvider.h"
#include "core/viewmodels/NotificationsViewModel.h"
#include "core/viewmodels/MoonPictures.h"
#include "core/viewmodels/PlaceSearchModel.h"
#include "core/viewmodels/MotionPreference.h"
#include "core/viewmodels/NowViewModel.h"
#include "core/app/PermissionPrompt.h"
#include "core/viewmodels/RiseSetViewModel.h"
#include "core/services/SavedData.h"

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
