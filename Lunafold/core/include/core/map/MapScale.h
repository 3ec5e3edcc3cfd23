// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

namespace lunafold {

/// The map's scale bar: a round distance and how many points it spans.
struct MapScale {
    double width = 0.0; ///< points
    QString text;       ///< "500 m", "2 km", "1,000 ft", "5 mi"

    /// The longest distance of 1, 2 or 5 × 10^n units that fits in @p maxWidth points at
    /// @p metersPerPoint; metres and kilometres, or feet and miles where the locale measures so.
    static MapScale choose(double metersPerPoint, double maxWidth, const QLocale &locale = QLocale());
};

} // namespace lunafold
