// SPDX-License-Identifier: MIT
#include "core/app/LunafoldApp.h"

#include "common/Log.h"
#include "core/services/NotificationAuthorizer.h"
#include "notices/NotificationCenter.h"

namespace lunafold {

LunafoldApp::LunafoldApp(Environment env, QObject *parent)
    : QObject(parent), m_env(std::move(env)), m_state(m_env.initialState) {
    if (!m_env.log)
        m_env.log = logLine;
    if (!m_env.reschedule)
        m_env.reschedule = [] {}; // nothing to schedule for: the caller owns the saved choices

    const auto log = m_env.log;
    log(QStringLiteral("STARTUP1: Lunafold Begins."));
    log(QStringLiteral("STARTUP3: About to request notification permissions if necessary."));
    if (m_env.authorizer) {
        // Answered on a worker thread, which then schedules from there.
        m_env.authorizer->requestAuthorization(
            [log, reschedule = m_env.reschedule](bool granted, const std::optional<QString> &error) {
                if (error) {
                    log(QStringLiteral("STARTUP4: Error : Notification Setup Error ") + *error + u'.');
                    return;
                }
                if (!granted)
                    return;
                log(QStringLiteral("STARTUP5: About to Schedule Notifications."));
                reschedule();
                log(QStringLiteral("STARTUP6: Notifications scheduled."));
            });
    }
    log(QStringLiteral("STARTUPn: Startup ends, likely traversal to first view next."));
}

void LunafoldApp::applicationStateChanged(Qt::ApplicationState state) {
    const bool becameActive = state == Qt::ApplicationActive && m_state != Qt::ApplicationActive;
    m_state = state;
    if (becameActive && m_env.center)
        m_env.center->setBadgeCount(0);
}

} // namespace lunafold
