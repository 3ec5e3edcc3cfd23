// SPDX-License-Identifier: MIT
#include "common/AppInfo.h"

namespace lunafold {

QString appBuildNumber() {
    return QStringLiteral(LUNAFOLD_BUILD);
}

} // namespace lunafold
