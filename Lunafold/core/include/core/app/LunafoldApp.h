// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

namespace lunafold {

class NotificationCenter;
class NotificationAuthorizer;

/// The application object: the ordered start-up with its log lines, the notification permission
/// and the first scheduling, and the badge cleared whenever the app becomes active.
class LunafoldApp : public QObject {
    Q_OBJECT

  public:
    struct Environment {
        NotificationCenter *center = nullptr;
        NotificationAuthorizer *authorizer = nullptr;
        std::function<void(const QString &)> log; ///< default: standard output
        std::function<void()> reschedule;         ///< schedules the notices; none: nothing
        Qt::ApplicationState initialState = Qt::ApplicationInactive;
    };

    explicit LunafoldApp(Environment env, QObject *parent = nullptr);

    /// Connect to QGuiApplication::applicationStateChanged; reacts to changes only.
    void applicationStateChanged(Qt::ApplicationState state);

  private:
    Environment m_env;
    Qt::ApplicationState m_state;
};

} // namespace lunafold
