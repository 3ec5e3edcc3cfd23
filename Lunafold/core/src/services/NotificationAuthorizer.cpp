// SPDX-License-Identifier: MIT
#include "core/services/NotificationAuthorizer.h"

#include "common/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>

#include <atomic>

namespace lunafold {

NotificationAuthorizer::NotificationAuthorizer(QString decisionFile, Prompt prompt)
    : m_file(std::move(decisionFile)), m_prompt(std::move(prompt)) {}

namespace {
std::atomic<NotificationAuthorizer *> g_current{nullptr};
}

NotificationAuthorizer *NotificationAuthorizer::current() {
    return g_current;
}
void NotificationAuthorizer::setCurrent(NotificationAuthorizer *authorizer) {
    g_current = authorizer;
}

std::optional<bool> NotificationAuthorizer::decision() const {
    QFile in(m_file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = in.readAll().trimmed();
    if (text == "granted")
        return true;
    if (text == "denied")
        return false;
    return std::nullopt;
}

void NotificationAuthorizer::requestAuthorization(Completion completion) {
    auto work = [this, completion = std::move(completion)] { answer(completion); };
    // The question goes out once the caller is back in the event loop, as a platform's does: the
    // answer never overtakes the rest of start-up.
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [work] { QThreadPool::globalInstance()->start(work); }, Qt::QueuedConnection);
    else
        QThreadPool::globalInstance()->start(work);
}

void NotificationAuthorizer::answer(const Completion &completion) {
    if (const auto known = decision()) {
        completion(*known, std::nullopt);
        return;
    }
    const std::optional<bool> given = m_prompt ? m_prompt() : std::nullopt;
    if (!given) {
        completion(false, std::nullopt); // asked again at the next launch
        return;
    }
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    if (const QString failure = writeFileSafely(m_file, *given ? "granted\n" : "denied\n");
        !failure.isEmpty()) {
        completion(false, QStringLiteral("The notification permission could not be stored: ") + failure);
        return;
    }
    completion(*given, std::nullopt);
}

} // namespace lunafold
