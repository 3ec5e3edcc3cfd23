// SPDX-License-Identifier: MIT
#pragma once

#include "ui/quick/MoonImageProvider.h"

class QQmlEngine;

namespace lunafold {

class AppServices;
class AppBridge;

/// Makes the view-models and the app's shared objects known to QML under "import Lunafold".
/// @p services may be null (tests): the screens then run without a place or notifications.
void registerQmlTypes(AppServices *services, AppBridge *bridge);
/// The moon picture and the share picture providers, on @p engine.
void addImageProviders(QQmlEngine &engine);

} // namespace lunafold
