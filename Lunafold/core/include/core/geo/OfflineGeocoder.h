// SPDX-License-Identifier: MIT
#pragma once

#include "core/geo/PlaceData.h"
#include "core/geo/ReverseGeocoder.h"
#include "core/services/LocationPlatform.h"

#include <memory>

namespace lunafold {

/// The Locator's geocoder on our bundled data; answers at once. The data is read on first use (or by
/// PlaceData::preload()), not when the geocoder is made, so start-up does not wait.
/// Countries are named in the language given (a code or locale name such as "de_DE"; English when empty).
class OfflineGeocoder : public Geocoder {
  public:
    using Completion =
        std::function<void(const std::optional<QList<Placemark>> &, const std::optional<QString> &)>;

    /// What a lookup does before the data is read.
    enum class Unread {
        read, ///< reads it, and answers at once
        wait, ///< answers once PlaceData::preload() has read it (the app starts it after its first frame)
    };

    explicit OfflineGeocoder(const PlaceData &data, QString language = {}, Unread unread = Unread::read)
        : m_places(&data), m_language(std::move(language)), m_unread(unread) {}
    explicit OfflineGeocoder(const ReverseGeocoder &data, QString language = {})
        : m_data(&data), m_language(std::move(language)) {}

    void reverseGeocode(const GeoPoint &point, Completion completion) override {
        if (!m_data && m_unread == Unread::wait) {
            // Answered in order once read, unless this geocoder has gone by then.
            m_places->whenRead([this, alive = std::weak_ptr<int>(m_alive), point, completion] {
                if (!alive.expired())
                    answer(point, completion);
            });
            return;
        }
        answer(point, completion);
    }

  private:
    void answer(const GeoPoint &point, const Completion &completion) {
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

    const PlaceData *m_places = nullptr;
    const ReverseGeocoder *m_data = nullptr;
    QString m_language;
    Unread m_unread = Unread::read;
    std::shared_ptr<int> m_alive = std::make_shared<int>();
};

} // namespace lunafold
