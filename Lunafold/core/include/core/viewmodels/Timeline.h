// SPDX-License-Identifier: MIT
#pragma once

#include <QTimer>

#include <functional>

namespace lunafold {

/// A screen's periodic refresh: ticks only while the screen is shown, and refreshes at once
/// when it is shown again.
class Timeline {
  public:
    Timeline(int intervalMs, std::function<void()> tick) : m_tick(std::move(tick)) {
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { m_tick(); });
    }
    bool active() const { return m_timer.isActive(); }
    /// Returns whether anything changed.
    bool setActive(bool active) {
        if (active == m_timer.isActive())
            return false;
        if (active) {
            m_tick();
            m_timer.start();
        } else {
            m_timer.stop();
        }
        return true;
    }

  private:
    std::function<void()> m_tick;
    QTimer m_timer;
};

} // namespace lunafold
