// SPDX-License-Identifier: MIT
#include "core/geo/PlaceData.h"

#include <QThreadPool>

namespace lunafold {

PlaceData::PlaceData(QString directory, QObject *parent)
    : QObject(parent), m_directory(std::move(directory)) {}

PlaceData::~PlaceData() {
    // A preload may still be reading.
    QThreadPool::globalInstance()->waitForDone();
}

const ReverseGeocoder &PlaceData::geocoder() const {
    std::call_once(m_geocoderOnce,
                   [this] { m_geocoder = std::make_unique<const ReverseGeocoder>(m_directory); });
    return *m_geocoder;
}

const PlaceLabels &PlaceData::labels() const {
    std::call_once(m_labelsOnce, [this] {
        m_labels = std::make_unique<const PlaceLabels>(mapPlaces(geocoder().places()));
    });
    return *m_labels;
}

void PlaceData::preload() const {
    QThreadPool::globalInstance()->start([this] { geocoder(); });
}

} // namespace lunafold
