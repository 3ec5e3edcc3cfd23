// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/Locator.h"

#include <QPointer>

namespace lunafold {

// Points a view-model at `next`: drops its connections to the locator it followed and calls
// `update` now and whenever the place or zone changes (and on any `extra` signals of the locator).
// False when `next` is the locator already followed, so the caller emits its change signal only
// on a real change.
template <typename Receiver, typename... Signals>
bool followLocator(Receiver *receiver, QPointer<Locator> &current, Locator *next, void (Receiver::*update)(),
                   Signals... extra) {
    if (next == current)
        return false;
    if (current)
        QObject::disconnect(current, nullptr, receiver, nullptr);
    current = next;
    if (current) {
        QObject::connect(current, &Locator::currentLocationChanged, receiver, update);
        QObject::connect(current, &Locator::timezoneChanged, receiver, update);
        (QObject::connect(current, extra, receiver, update), ...);
    }
    (receiver->*update)();
    return true;
}

} // namespace lunafold
