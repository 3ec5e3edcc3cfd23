// SPDX-License-Identifier: MIT
#include "core/viewmodels/MoonPictures.h"

#include "core/viewmodels/FutureDetailViewModel.h"
#include "core/viewmodels/NowViewModel.h"

namespace lunafold {

QString MoonPictures::upright(double dateInterval, double latitude, double longitude, int pixels) {
    const auto t = Instant::fromUnixSeconds(dateInterval + FutureDetailViewModel::kReferenceDate);
    if (!t || pixels <= 0)
        return {};
    return NowViewModel::imageSource(*t, false, GeoPoint{Longitude(longitude), Latitude(latitude)}, pixels);
}

} // namespace lunafold
