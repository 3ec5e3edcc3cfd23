// SPDX-License-Identifier: MIT
#pragma once

#include "core/geo/ReverseGeocoder.h"
#include "core/map/PlaceLabels.h"

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace lunafold {

/// The bundled places and zones and the map's names made from them, owned by the app's graph (or a
/// command, a test). Read on first use, from any thread, so that start-up does not wait for them.
class PlaceData : public QObject {
    Q_OBJECT

  public:
    explicit PlaceData(QString directory = ReverseGeocoder::defaultDirectory(), QObject *parent = nullptr);
    ~PlaceData() override;

    const ReverseGeocoder &geocoder() const;
    const PlaceLabels &labels() const;
    /// Starts reading the data on a worker thread.
    void preload() const;
    /// Runs @p then on this object's thread once the data is read, in the order asked: at once when it
    /// already is, else after the reading that preload() or a first use does (neither is started here).
    void whenRead(std::function<void()> then) const;

  private:
    void runWaiting() const;

    QString m_directory;
    mutable std::atomic<bool> m_reading{false}, m_read{false};
    mutable std::mutex m_waitingMutex;
    mutable std::vector<std::function<void()>> m_waiting;
    mutable std::once_flag m_geocoderOnce, m_labelsOnce;
    mutable std::unique_ptr<const ReverseGeocoder> m_geocoder;
    mutable std::unique_ptr<const PlaceLabels> m_labels;
    mutable QThreadPool m_reader; // its own, so that going waits for this reading alone
};

} // namespace lunafold
