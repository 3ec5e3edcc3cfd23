// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QObject>

namespace lunafold {

class DBusNotificationDeliverer;
class LocalNotificationCenter;

/// Decides which process shows the due notices and wakes the centre when showing them may work
/// again. The app and the resident notifier both queue for one bus name; its owner delivers, and
/// when it quits or crashes the bus hands the name, and the delivering, to the next in line. The
/// owner also delivers at once when the notification service appears, after a resume from
/// suspend (logind's PrepareForSleep), and reports a click on one of its notices.
class NoticeDelivery : public QObject {
    Q_OBJECT

  public:
    NoticeDelivery(LocalNotificationCenter &center, DBusNotificationDeliverer &deliverer,
                   QObject *parent = nullptr);
    ~NoticeDelivery() override;

    bool isDeliverer() const { return m_deliverer; }

    /// Brings the app forward on its Now tab: the running one through org.freedesktop.Application,
    /// else a new one started from the folder of this program.
    static void openApp();

  Q_SIGNALS:
    void delivererChanged(bool deliverer);
    /// The user activated (clicked) a notice this process showed.
    void noticeActivated();

  private Q_SLOTS:
    void nameAcquired(const QString &name);
    void nameLost(const QString &name);
    void notificationServiceAppeared();
    void prepareForSleep(bool sleeping);
    void actionInvoked(uint id, const QString &action);

  private:
    void setDeliverer(bool on);

    LocalNotificationCenter &m_center;
    DBusNotificationDeliverer &m_notices;
    QDBusConnection m_bus;
    bool m_deliverer = false;
};

} // namespace lunafold
