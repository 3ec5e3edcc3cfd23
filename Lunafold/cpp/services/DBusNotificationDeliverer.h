// SPDX-License-Identifier: MIT
#pragma once

#include "LocalNotificationCenter.h"

#include <functional>

namespace lunafold {

/// Shows notifications through the desktop's org.freedesktop.Notifications service and sets the
/// launcher badge through com.canonical.Unity.LauncherEntry, on the session bus.
class DBusNotificationDeliverer : public NotificationDeliverer {
public:
    /// @param soundDirectory where the notices' sound files are, for the "sound-file" hint
    explicit DBusNotificationDeliverer(QString soundDirectory = {});

    /// The app plays each notice's sound itself with @p play (desktop notification servers
    /// cannot read its sound files): servers are then asked to stay silent.
    void setSoundPlayer(std::function<void(const QString &soundFile)> play) { m_play = std::move(play); }

    bool deliver(const NotificationRequest &request) override;
    /// The badge on the app's launcher icon (0 hides it).
    void setBadge(int count) override;

private:
    QString m_soundDirectory;
    std::function<void(const QString &)> m_play;
};

} // namespace lunafold
