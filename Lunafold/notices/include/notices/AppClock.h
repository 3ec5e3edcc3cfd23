// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

namespace lunafold {

/// The instant the screens call now: the system clock, or a frozen or shifted one for
/// screenshots and demos. Thread-safe.
class AppClock {
  public:
    static Instant now();
    /// Every later now() answers @p t.
    static void freeze(Instant t);
    /// now() runs with the system clock, starting at @p t.
    static void startAt(Instant t);
    /// Back to the system clock.
    static void reset();
    static bool isFrozen();
};

} // namespace lunafold
