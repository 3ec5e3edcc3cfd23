// SPDX-License-Identifier: MIT
// Built against LunafoldCore only: it must fail, because the core may not see the UI's headers.
#include "ui/map/MapView.h"
