// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <condition_variable>
#include <mutex>
#include <optional>

namespace lunafold {

/// The in-app notification-permission dialog. The permission is asked on a worker thread, which
/// waits here while the window shows the question and the user answers.
class PermissionPrompt : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool asking READ asking NOTIFY askingChanged)

  public:
    explicit PermissionPrompt(QObject *parent = nullptr);

    bool asking() const;
    /// From a worker thread: shows the question and waits for the answer; std::nullopt when
    /// the app quits first or no window can ask.
    std::optional<bool> ask();
    /// The user's answer, from the window.
    Q_INVOKABLE void answer(bool allow);
    /// No window will answer (screenshots, shutdown): every waiting and later ask() gets no answer.
    void abandon();

  Q_SIGNALS:
    void askingChanged();

  private:
    void setAsking(bool asking);

    mutable std::mutex m_mutex;
    std::condition_variable m_answered;
    bool m_asking = false;
    bool m_abandoned = false;
    std::optional<bool> m_answer;
};

} // namespace lunafold
