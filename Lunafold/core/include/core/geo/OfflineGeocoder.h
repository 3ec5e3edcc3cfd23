// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/LocationPlatform.h"
#include "core/geo/ReverseGeocoder.h"

namespace lunafold {

/// The Locator's geocoder on our bundled data; answers at once. The shared data is loaded on first
/// use (or by ReverseGeocoder::preload()), not when the geocoder is made, so start-up does not wait.
class OfflineGeocoder : public Geocoder {
public:
    OfflineGeocoder() = default;
    explicit OfflineGeocoder(const ReverseGeocoder &data) : m_data(&data) {}

    void reverseGeocode(const GeoPoint &point,
                        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
                            completion) override {
        if (!m_data)
            m_data = ReverseGeocoder::shared();
        const auto place = m_data->lookup(point);
        if (!place) {
            completion(std::nullopt, QStringLiteral("The coordinate is not on the Earth."));
            return;
        }
        completion(QList<Placemark>{{place->locality, place->adminArea, place->country, place->timeZone}}, std::nullopt);
    }

private:
    const ReverseGeocoder *m_data = nullptr;
};

} // namespace lunafold
