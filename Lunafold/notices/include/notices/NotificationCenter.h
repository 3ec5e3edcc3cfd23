// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QString>

#include <functional>

namespace lunafold {

/// One local notification: delivered once, when the device's wall clock reaches its trigger.
struct NotificationRequest {
    QString identifier; ///< a fresh UUID, canonical text form
    QString body;       ///< already localised
    QString sound;      ///< "wolfhowl.caf" or "moonalert.caf"
    int badge = 1;
    Instant fireInstant;   ///< for the record; the trigger below is what fires
    LocalDateTime trigger; ///< year … second in the device's calendar and zone at scheduling time
};

/// Where notification requests go: the platform's notification centre, or a fake in tests.
class NotificationCenter {
  public:
    virtual ~NotificationCenter() = default;
    /// Withdraws every request not yet delivered.
    virtual void removeAllPendingNotificationRequests() = 0;
    /// Adds one request; @p completion is called later with an empty text or an error description.
    virtual void add(const NotificationRequest &request,
                     std::function<void(const QString &error)> completion) = 0;
    /// The number on the app's icon (0 clears it).
    virtual void setBadgeCount(int count) = 0;

    /// The app's centre, once start-up has made one; nullptr before.
    static NotificationCenter *current();
    static void setCurrent(NotificationCenter *center);
};

} // namespace lunafold
