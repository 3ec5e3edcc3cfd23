// SPDX-License-Identifier: MIT
#pragma once

#include "core/geo/PlaceData.h"
#include "core/geo/ReverseGeocoder.h"
#include "core/services/LocationPlatform.h"

namespace lunafold {

/// The Locator's geocoder on our bundled data; answers at once. The data is read on first use (or by
/// PlaceData::preload()), not when the geocoder is made, so start-up does not wait.
/// Countries are named in the language given (a code or locale name such as "de_DE"; English when empty).
class OfflineGeocoder : public Geocoder {
  public:
    explicit OfflineGeocoder(const PlaceData &data, QString language = {})
        : m_places(&data), m_language(std::move(language)) {}
    explicit OfflineGeocoder(const ReverseGeocoder &data, QString language = {})
        : m_data(&data), m_language(std::move(language)) {}

    void reverseGeocode(
        const GeoPoint &point,
        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>
            completion) override {
        if (!m_data)
            m_data = &m_places->geocoder();
        const auto place = m_data->lookup(point, m_language);
        if (!place) {
            completion(std::nullopt, QStringLiteral("The coordinate is not on the Earth."));
            return;
        }
        completion(QList<Placemark>{{place->locality, place->adminArea, place->country, place->timeZone}},
                   std::nullopt);
    }

  private:
    const PlaceData *m_places = nullptr;
    const ReverseGeocoder *m_data = nullptr;
    QString m_language;
};

} // namespace lunafold
