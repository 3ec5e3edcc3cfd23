// SPDX-License-Identifier: MIT
#include "core/map/MapScale.h"

#include <cmath>

namespace lunafold {
namespace {

constexpr double kMetersPerFoot = 0.3048;
constexpr double kMetersPerMile = 1609.344;

// The largest 1, 2 or 5 × 10^n not above @p limit.
double roundDown(double limit) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(limit)));
    for (double step : {5.0, 2.0, 1.0})
        if (step * magnitude <= limit)
            return step * magnitude;
    return magnitude;
}

} // namespace

MapScale MapScale::choose(double metersPerPoint, double maxWidth, const QLocale &locale) {
    if (!(metersPerPoint > 0) || !(maxWidth > 0) || !std::isfinite(metersPerPoint * maxWidth))
        return {};
    const double longest = metersPerPoint * maxWidth; // metres
    const bool imperial = locale.measurementSystem() != QLocale::MetricSystem;
    struct Unit {
        double meters;
        const char *symbol;
    };
    // The small unit until the large one reaches a tenth.
    const Unit small = imperial ? Unit{kMetersPerFoot, " ft"} : Unit{1.0, " m"};
    const Unit large = imperial ? Unit{kMetersPerMile, " mi"} : Unit{1000.0, " km"};
    const double inLarge = longest / large.meters;
    const Unit unit = inLarge >= 1.0 || (imperial && inLarge >= 0.1) ? large : small;
    const double amount = roundDown(longest / unit.meters);
    const int decimals = amount < 1.0 ? 1 : 0;
    return {amount * unit.meters / metersPerPoint,
            locale.toString(amount, 'f', decimals) + QLatin1String(unit.symbol)};
}

} // namespace lunafold
