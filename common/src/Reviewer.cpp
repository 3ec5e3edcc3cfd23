// SPDX-License-Identifier: MIT
#include "common/Reviewer.h"

#include "common/AppInfo.h"
#include "common/Log.h"
#include "common/UserDefaults.h"

#include <QCoreApplication>
#include <QStringList>

#include <initializer_list>
#include <mutex>

namespace lunafold {

namespace {

QStringList versionComponents(const QString &version) {
    QStringList components = version.split(QLatin1Char('.'));
    while (components.size() < 3)
        components.append(QStringLiteral("0"));
    return components;
}

// The log convention joins the pieces of a line with one blank, even after a trailing blank.
QString joined(std::initializer_list<QString> pieces) {
    return QStringList(pieces).join(QLatin1Char(' '));
}

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

Reviewer::Reviewer(Environment env) : m_env(std::move(env)) {
    if (m_env.bundleIdentifier.isEmpty())
        m_env.bundleIdentifier = QString::fromLatin1(kBundleIdentifier);
    if (!m_env.now)
        m_env.now = &QDateTime::currentDateTimeUtc;
    if (!m_env.defaults)
        m_env.defaults = &UserDefaults::standard();
    if (!m_env.log)
        m_env.log = logLine;
    UserDefaults &defaults = *m_env.defaults;
    const QDateTime now = m_env.now();

    m_savePrefix = m_env.bundleIdentifier;
    m_dateFirstRun = now;
    m_runCount = 0;
    m_thisVersionReviewed = false;
    m_lastRunVersion = QStringLiteral("0.0.0");
    m_hasAppeared = false;

    defaults.registerDefaults({{key("dateFirstRun"), m_dateFirstRun}});
    defaults.registerDefaults({{key("runCount"), m_runCount}});
    defaults.registerDefaults({{key("thisVersionReviewed"), m_thisVersionReviewed}});
    defaults.registerDefaults({{key("lastRunVersion"), m_lastRunVersion}});

    // A stored first-run value that is not a date reads as the registered default, i.e. now.
    m_dateFirstRun = defaults.dateForKey(key("dateFirstRun")).value_or(now);
    m_runCount = defaults.integerForKey(key("runCount"));
    m_thisVersionReviewed = defaults.boolForKey(key("thisVersionReviewed"));
    m_lastRunVersion = defaults.stringForKey(key("lastRunVersion"));

    // Without a version string there is nothing to compare, so keep counting rather than reset
    // at every launch.
    const QString version = m_env.shortVersion;
    if (!version.isEmpty() && !sameMajorMinor(version, m_lastRunVersion)) {
        m_env.log(
            QStringLiteral("RP9. New App Version detected. First Run Date and Run Count will be reset."));
        m_runCount = 0;
        m_dateFirstRun = now;
        m_lastRunVersion = version;
        m_thisVersionReviewed = false;
    }

    ++m_runCount;

    defaults.setInteger(key("runCount"), m_runCount);
    defaults.setDate(key("dateFirstRun"), m_dateFirstRun);
    defaults.setBool(key("thisVersionReviewed"), m_thisVersionReviewed);
    defaults.setString(key("lastRunVersion"), m_lastRunVersion);
}

Reviewer &Reviewer::shared() {
    static std::once_flag once;
    static Reviewer *instance = nullptr;
    std::call_once(once, [] {
        Environment env;
        env.bundleIdentifier = QString::fromLatin1(kBundleIdentifier);
        env.shortVersion = appShortVersion();
        env.now = &QDateTime::currentDateTimeUtc;
        env.defaults = &UserDefaults::standard();
        // Diagnostics appear after the call returns, from the main thread's event loop.
        env.log = logLineLater;
        // Never destroyed: it lives as long as the process and refers to the standard store.
        instance = new Reviewer(std::move(env));
    });
    return *instance;
}

bool Reviewer::showReviewPrompt() {
    return showReviewPrompt(5, 5);
}

bool Reviewer::showReviewPrompt(int daysUntilPrompt, int runsUntilPrompt) {
    const qint64 days = wholeDaysBetween(m_dateFirstRun, m_env.now());

    if (!m_hasAppeared) {
        const auto &log = m_env.log;
        log(QStringLiteral("RP0. Show Review Prompt called."));
        log(joined({QStringLiteral("RP8. Last Run Version is "), m_lastRunVersion}));
        log(joined(
            {QStringLiteral("RP1. Date of first run is "), m_dateFirstRun.toUTC().toString(Qt::ISODate)}));
        log(joined({QStringLiteral("RP2. Days since first run is "), QString::number(days),
                    QStringLiteral(", needs to be >= "), QString::number(daysUntilPrompt),
                    QStringLiteral(" to present review prompt.")}));
        log(joined({QStringLiteral("RP3. Run Count is "), QString::number(m_runCount),
                    QStringLiteral(", needs to be >= "), QString::number(runsUntilPrompt),
                    QStringLiteral(" to present review prompt.")}));
        log(joined({QStringLiteral("RP4. This Version Reviewed is "), boolText(m_thisVersionReviewed),
                    QStringLiteral(", needs to be false to present review prompt.")}));
    }

    if (days < daysUntilPrompt || m_runCount < runsUntilPrompt || m_thisVersionReviewed || m_hasAppeared)
        return false;

    m_thisVersionReviewed = true;
    m_env.defaults->setBool(key("thisVersionReviewed"), true);
    m_hasAppeared = true;
    m_env.log(QStringLiteral("RP5. Have set thisVersionReviewed."));
    m_env.log(QStringLiteral("RP6. ** Will return true so attempt can be made to show review prompt **"));
    return true;
}

bool Reviewer::sameMajorMinor(const QString &a, const QString &b) {
    const QStringList first = versionComponents(a);
    const QStringList second = versionComponents(b);
    return first.at(0) == second.at(0) && first.at(1) == second.at(1);
}

qint64 Reviewer::wholeDaysBetween(const QDateTime &from, const QDateTime &to) {
    const QDateTime start = from.toLocalTime();
    const QDateTime end = to.toLocalTime();
    qint64 days = start.date().daysTo(end.date());
    // Calendar days keep the wall-clock time, so a 23-hour DST day still counts as one.
    if (days > 0 && start.addDays(days) > end)
        --days;
    else if (days < 0 && start.addDays(days) < end)
        ++days;
    return days;
}

QString Reviewer::key(const char *field) const {
    return m_savePrefix + QLatin1Char('.') + QLatin1String(field);
}

} // namespace lunafold
