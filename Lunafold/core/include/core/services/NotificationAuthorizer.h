// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace lunafold {

/// Our stand-in for the platform's notification permission: asked once, the user's answer
/// remembered in a small file, and every request answered later on a worker thread.
class NotificationAuthorizer {
  public:
    /// Asks the user (an in-app dialog); std::nullopt when nobody could answer (no window yet).
    using Prompt = std::function<std::optional<bool>()>;
    using Completion = std::function<void(bool granted, const std::optional<QString> &error)>;

    NotificationAuthorizer(QString decisionFile, Prompt prompt);

    /// Alert, sound and badge are asked together; @p completion runs on a worker thread.
    void requestAuthorization(Completion completion);
    /// The remembered answer, if the user gave one.
    std::optional<bool> decision() const;

    /// The app's authorizer, once start-up has made one; nullptr before.
    static NotificationAuthorizer *current();
    static void setCurrent(NotificationAuthorizer *authorizer);

  private:
    void answer(const Completion &completion);

    QString m_file;
    Prompt m_prompt;
};

} // namespace lunafold
