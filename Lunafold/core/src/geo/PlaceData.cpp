// SPDX-License-Identifier: MIT
#include "core/geo/PlaceData.h"

namespace lunafold {

PlaceData::PlaceData(QString directory, QObject *parent)
    : QObject(parent), m_directory(std::move(directory)) {
    m_reader.setMaxThreadCount(1);
}

PlaceData::~PlaceData() {
    // A preload may still be reading.
    m_reader.waitForDone();
}

const ReverseGeocoder &PlaceData::geocoder() const {
    std::call_once(m_geocoderOnce, [this] {
        m_reading = true;
        m_geocoder = std::make_unique<const ReverseGeocoder>(m_directory);
        m_read = true;
        QMetaObject::invokeMethod(
            const_cast<PlaceData *>(this), [this] { runWaiting(); }, Qt::QueuedConnection);
    });
    return *m_geocoder;
}

const PlaceLabels &PlaceData::labels() const {
    std::call_once(m_labelsOnce, [this] {
        m_labels = std::make_unique<const PlaceLabels>(mapPlaces(geocoder().places()));
    });
    return *m_labels;
}

void PlaceData::preload() const {
    if (m_reading.exchange(true))
        return;
    m_reader.start([this] { geocoder(); });
}

void PlaceData::whenRead(std::function<void()> then) const {
    {
        std::lock_guard lock(m_waitingMutex);
        if (!m_read || !m_waiting.empty()) {
            m_waiting.push_back(std::move(then));
            return;
        }
    }
    then();
}

void PlaceData::runWaiting() const {
    std::vector<std::function<void()>> waiting;
    {
        std::lock_guard lock(m_waitingMutex);
        waiting.swap(m_waiting);
    }
    for (const auto &then : waiting)
        then();
}

} // namespace lunafold
