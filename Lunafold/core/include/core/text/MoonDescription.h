// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <QString>

namespace lunafold {

/// What a screen reader says for a picture of the moon: "Waxing gibbous, 82% lit", the share
/// rounded to a whole percent in the current locale's style ("82 %" in German).
QString moonPictureDescription(double fraction, bool waning);
QString moonPictureDescription(Instant t);

} // namespace lunafold
