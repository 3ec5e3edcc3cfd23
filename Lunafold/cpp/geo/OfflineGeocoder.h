// SPDX-License-Identifier: MIT
#pragma once

#include "LocationPlatform.h"
#include "ReverseGeocoder.h"

namespace lunafold {

/// The Locator's geocoder on our bundled data; answers at once.
class OfflineGeocoder : public Geocoder {
public:
    explicit OfflineGeocoder(const ReverseGeocoder &data = *ReverseGeocoder::shared()) : m_data(data) {}

    void reverseGeocode(double latitude, double longitude,
                        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
                            completion) override {
        const auto place = m_data.lookup(latitude, longitude);
        if (!place) {
            completion(std::nullopt, QStringLiteral("The coordinate is not on the Earth."));
            return;
        }
        completion(QList<Placemark>{{place->locality, place->adminArea, place->country, place->timeZone}}, std::nullopt);
    }

private:
    const ReverseGeocoder &m_data;
};

} // namespace lunafold
