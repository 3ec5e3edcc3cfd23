// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace lunafold {

/// The application's bundle identifier; also the prefix of the review gate's preference keys.
inline constexpr char kBundleIdentifier[] = "app.lunafold.Lunafold";

/// The short version string ("0.1.0"), taken from the project version at build time.
inline QString appShortVersion() {
    return QStringLiteral(LUNAFOLD_VERSION);
}

/// The build number (the count of commits built from); empty when unknown.
QString appBuildNumber();

} // namespace lunafold
