// SPDX-License-Identifier: MIT
#pragma once

#include "notices/LocalNotificationCenter.h"

#include <QSet>

#include <functional>
#include <mutex>

namespace lunafold {

/// Shows notifications through the desktop's org.freedesktop.Notifications service and sets the
/// launcher badge through com.canonical.Unity.LauncherEntry, on the session bus.
class DBusNotificationDeliverer : public NotificationDeliverer {
  public:
    /// @param soundDirectory where the notices' sound files are, for the "sound-file" hint
    explicit DBusNotificationDeliverer(QString soundDirectory = {});

    /// Plays a notice's sound when the notification server cannot (it does not announce the
    /// "sound" capability); the server is then asked to stay silent.
    void setSoundPlayer(std::function<void(const QString &soundFile)> play) { m_play = std::move(play); }

    bool deliver(const NotificationRequest &request) override;
    /// The badge on the app's launcher icon (0 hides it).
    void setBadge(int count) override;
    /// Whether the server's notification @p id is one this object showed.
    bool isOurs(quint32 id) const;

  private:
    bool serverPlaysSounds() const;

    QString m_soundDirectory;
    std::function<void(const QString &)> m_play;
    QSet<quint32> m_shown;
    mutable std::mutex m_mutex;
};

} // namespace lunafold
