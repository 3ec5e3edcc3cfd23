// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/TimeZone.h"
#include "ui/quick/MoonImageProvider.h"

#include <QImage>

namespace lunafold {

/// The share card: the app's name, the two countdowns, today's phase, the illuminated share and
/// the moon's sign above the moon on a star field, drawn for the instant it is made.
class RenderView {
  public:
    static constexpr int kWidth = 400;  ///< points
    static constexpr int kHeight = 400; ///< points
    /// The card at @p scale pixels per point; the moon comes from @p moon, never turned to a sky.
    static QImage render(Instant now, const TimeZone &zone, double scale,
                         const MoonImageProvider::Renderer &moon);
    /// The card's text lines, top to bottom.
    static QStringList lines(Instant now, const TimeZone &zone);
};

} // namespace lunafold
