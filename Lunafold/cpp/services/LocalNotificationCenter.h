// SPDX-License-Identifier: MIT
#pragma once

#include "NotificationCenter.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <mutex>

namespace lunafold {

/// Shows a due notification to the user (the desktop's notification service, or a fake).
class NotificationDeliverer {
public:
    virtual ~NotificationDeliverer() = default;
    /// @return false when it could not be shown (the request is then dropped, as the platform does)
    virtual bool deliver(const NotificationRequest &request) = 0;
    virtual void setBadge(int count) = 0;
};

/// Our notification centre: pending requests kept in a file so they survive a restart, and
/// delivered by the running app when the device's wall clock reaches their trigger. Requests may
/// be added from any thread (the permission answer arrives on a worker thread); the timer lives
/// on the thread that made the centre.
class LocalNotificationCenter : public QObject, public NotificationCenter {
    Q_OBJECT

public:
    /// @param pendingFile JSON file of the pending requests (created on first add)
    LocalNotificationCenter(QString pendingFile, NotificationDeliverer &deliverer,
                            std::function<Instant()> now = {}, QObject *parent = nullptr);

    void removeAllPendingNotificationRequests() override;
    void add(const NotificationRequest &request, std::function<void(const QString &error)> completion) override;
    void setBadgeCount(int count) override { m_deliverer.setBadge(count); }

    QList<NotificationRequest> pending() const;
    /// Delivers every request whose trigger has come, in trigger order, and forgets them.
    void deliverDue();

private:
    bool save(QString *error = nullptr) const;
    void load();
    void arm();
    std::optional<Instant> dueInstant(const NotificationRequest &r) const;

    QString m_file;
    NotificationDeliverer &m_deliverer;
    std::function<Instant()> m_now;
    QList<NotificationRequest> m_pending;
    QTimer m_timer;
    mutable std::recursive_mutex m_mutex;
};

} // namespace lunafold
