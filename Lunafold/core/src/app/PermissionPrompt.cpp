// SPDX-License-Identifier: MIT
#include "core/app/PermissionPrompt.h"

#include <QMetaObject>

namespace lunafold {

PermissionPrompt::PermissionPrompt(QObject *parent) : QObject(parent) {}

bool PermissionPrompt::asking() const {
    std::lock_guard lock(m_mutex);
    return m_asking;
}

void PermissionPrompt::setAsking(bool asking) {
    {
        std::lock_guard lock(m_mutex);
        if (m_asking == asking)
            return;
        m_asking = asking;
    }
    // The window reads the property on the main thread.
    QMetaObject::invokeMethod(this, &PermissionPrompt::askingChanged, Qt::QueuedConnection);
}

std::optional<bool> PermissionPrompt::ask() {
    {
        std::lock_guard lock(m_mutex);
        if (m_abandoned)
            return std::nullopt;
        m_answer.reset();
    }
    setAsking(true);
    std::unique_lock lock(m_mutex);
    m_answered.wait(lock, [this] { return m_answer.has_value() || m_abandoned; });
    const std::optional<bool> answer = m_answer;
    lock.unlock();
    setAsking(false);
    return answer;
}

void PermissionPrompt::answer(bool allow) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_asking)
            return;
        m_answer = allow;
    }
    m_answered.notify_all();
}

void PermissionPrompt::abandon() {
    {
        std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_answered.notify_all();
}

} // namespace lunafold
