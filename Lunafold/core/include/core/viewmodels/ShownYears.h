// SPDX-License-Identifier: MIT
#pragma once

namespace lunafold {

// The years whose days the screens show and pick from: the engine is checked over these.
inline constexpr int kFirstShownYear = 1901;
inline constexpr int kLastShownYear = 2099;

} // namespace lunafold
