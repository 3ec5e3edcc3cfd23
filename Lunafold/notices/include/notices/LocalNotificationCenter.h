// SPDX-License-Identifier: MIT
#pragma once

#include "notices/NotificationCenter.h"

#include <QDeadlineTimer>
#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QTimer>

#include <mutex>

namespace lunafold {

/// Shows a due notification to the user (the desktop's notification service, or a fake).
class NotificationDeliverer {
  public:
    virtual ~NotificationDeliverer() = default;
    /// @return false when it could not be shown (the request then stays pending and is retried)
    virtual bool deliver(const NotificationRequest &request) = 0;
    virtual void setBadge(int count) = 0;
};

/// Our notification centre: pending requests kept in a file so they survive a restart, and
/// delivered when the device's wall clock reaches their trigger. The file is shared by the app
/// and the resident notifier: every change is read, modified and written under a lock file, and
/// only the centre that is delivering (one process at a time, see NoticeDelivery) shows notices.
/// Requests may be added from any thread (the permission answer arrives on a worker thread); the
/// timer lives on the thread that made the centre.
class LocalNotificationCenter : public QObject, public NotificationCenter {
    Q_OBJECT

  public:
    /// @param pendingFile JSON file of the pending requests (created on first add)
    /// @param delivering  whether this centre shows due requests from the start
    LocalNotificationCenter(QString pendingFile, NotificationDeliverer &deliverer,
                            std::function<Instant()> now = {}, QObject *parent = nullptr,
                            bool delivering = true);

    /// Withdraws the requests still to come; one that is due but could not be shown yet stays.
    void removeAllPendingNotificationRequests() override;
    void add(const NotificationRequest &request,
             std::function<void(const QString &error)> completion) override;
    void setBadgeCount(int count) override { m_deliverer.setBadge(count); }

    QList<NotificationRequest> pending() const;
    bool isDelivering() const;
    /// Starts (delivering what is due at once) or stops showing notices.
    void setDelivering(bool on);
    /// Delivers every request whose trigger has come, in trigger order, and forgets them; those
    /// that could not be shown stay and are tried again a minute later (or sooner, see
    /// NoticeDelivery). Does nothing while not delivering.
    void deliverDue();
    /// Reads the file again (another process rewrote it) and sets the timer for the next trigger.
    void reload();

  private:
    bool save(QString *error = nullptr) const;
    void load();
    bool update(const std::function<void(QList<NotificationRequest> &)> &change, QString *error = nullptr);
    void arm();
    std::optional<Instant> dueInstant(const NotificationRequest &r) const;

    QString m_file;
    NotificationDeliverer &m_deliverer;
    std::function<Instant()> m_now;
    QList<NotificationRequest> m_pending;
    bool m_delivering;
    QDeadlineTimer m_retry{QDeadlineTimer::Forever}; ///< set while a due notice waits for a retry
    QTimer m_timer;
    QFileSystemWatcher m_watcher;
    mutable std::recursive_mutex m_mutex;
};

} // namespace lunafold
