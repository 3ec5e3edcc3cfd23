// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/PrincipalPhase.h"

#include <QString>

namespace lunafold {

/// The phase's name in the user's language.
QString phaseName(PrincipalPhase phase);

} // namespace lunafold
