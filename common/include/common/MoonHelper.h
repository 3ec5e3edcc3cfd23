// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <QString>

namespace lunafold {

/// Phase names and the next-event text of the shared library. Stateless.
class MoonHelper {
  public:
    /// "new moon", "waxing crescent", … "waning crescent" (not translated).
    /// @param illuminatedFraction 0…1
    static QString getPhaseDescription(double illuminatedFraction, bool isWaning);
    /// The next full or new moon as its symbol and a day word ("🌕 today", "🌑 3 days"), counted in
    /// the device's calendar from @p now (the present instant by default).
    static QString getNextPhaseDescription(Instant nextFullMoonDate, Instant nextNewMoonDate);
    static QString getNextPhaseDescription(Instant nextFullMoonDate, Instant nextNewMoonDate, Instant now);
};

} // namespace lunafold
