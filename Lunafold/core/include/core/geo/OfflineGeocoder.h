// SPDX-License-Identifier: MIT
#pragma once

#include "core/services/LocationPlatform.h"
#include "core/geo/ReverseGeocoder.h"

namespace lunafold {

/// The Locator's geocoder on our bundled data; answers at once. The shared data is loaded on first
/// use (or by ReverseGeocoder::preload()), not when the geocoder is made, so start-up does not wait.
/// Countries are named in the language given (a code or locale name such as "de_DE"; English when empty).
class OfflineGeocoder : public Geocoder {
public:
    explicit OfflineGeocoder(QString language = {}) : m_language(std::move(language)) {}
    explicit OfflineGeocoder(const ReverseGeocoder &data, QString language = {})
        : m_data(&data), m_language(std::move(language)) {}

    void reverseGeocode(const GeoPoint &point,
                        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
                            completion) override {
        if (!m_data)
            m_data = ReverseGeocoder::shared();
        const auto place = m_data->lookup(point, m_language);
        if (!place) {
            completion(std::nullopt, QStringLiteral("The coordinate is not on the Earth."));
            return;
        }
        completion(QList<Placemark>{{place->locality, place->adminArea, place->country, place->timeZone}}, std::nullopt);
    }

private:
    const ReverseGeocoder *m_data = nullptr;
    QString m_language;
};

} // namespace lunafold
