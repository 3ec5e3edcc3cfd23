// SPDX-License-Identifier: MIT
#pragma once

#include "notices/NotificationCenter.h"

#include <functional>

namespace lunafold {

class SavedData;

/// Turns the notification settings into the pending notices of the next four occurrences of
/// every principal phase. Stateless; every run starts from scratch.
class NotificationScheduler {
  public:
    /// Fire offsets before the event, seconds: the "24-hour", "12-hour" and "at the moment" notices.
    static constexpr double kOffsets[3] = {85973.0, 42773.0, 413.0};

    struct Context {
        NotificationCenter *center = nullptr;
        const SavedData *settings = nullptr;
        std::function<Instant()> now; ///< read afresh for every comparison
        std::function<void(const QString &)> log;
    };

    /// With the app's centre and settings; logs and does nothing while there is no centre.
    static void rescheduleNotifications();
    /// Replaces all pending requests; returns how many were added (at most 48).
    static int rescheduleNotifications(const Context &context);
    /// One request for @p date with the localised @p text and the howl or alert sound.
    static void scheduleNotification(Instant date, const QString &text, bool howl, NotificationCenter &center,
                                     const std::function<void(const QString &)> &log);
};

} // namespace lunafold
