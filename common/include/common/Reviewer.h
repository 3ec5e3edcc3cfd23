// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace lunafold {

class UserDefaults;

/// Decides whether the app may ask for a store review now: at most once per major.minor version
/// and once per process, after enough launches and whole days since the version's first launch.
///
/// Creating an instance is one launch: it loads the counters, resets them when the major or minor
/// version differs from the last recorded one, counts this launch and saves. The state lives in
/// four keys, the bundle identifier followed by ".dateFirstRun", ".runCount",
/// ".thisVersionReviewed" and ".lastRunVersion". Main thread only.
class Reviewer {
  public:
    /// Everything the gate takes from the platform, replaceable in tests.
    struct Environment {
        QString bundleIdentifier;                     ///< key prefix; kBundleIdentifier if empty
        QString shortVersion;                         ///< e.g. "2.3.1"
        std::function<QDateTime()> now;               ///< current UTC instant if empty
        UserDefaults *defaults = nullptr;             ///< UserDefaults::standard() if null
        std::function<void(const QString &line)> log; ///< stdout if empty
    };

    /// Runs the launch bookkeeping.
    explicit Reviewer(Environment env);

    /// The process's instance, created (and so counting the launch) on first use.
    static Reviewer &shared();

    /// True when the caller should request a review now; logs diagnostics until it first says yes.
    bool showReviewPrompt(int daysUntilPrompt, int runsUntilPrompt);
    /// The same with 5 days and 5 runs.
    bool showReviewPrompt();

    QDateTime dateFirstRun() const { return m_dateFirstRun; }
    qint64 runCount() const { return m_runCount; }
    bool thisVersionReviewed() const { return m_thisVersionReviewed; }
    QString lastRunVersion() const { return m_lastRunVersion; }
    bool hasAppeared() const { return m_hasAppeared; }
    QString savePrefix() const { return m_savePrefix; }

    /// Whether two version strings share major and minor number: split at every ".", padded
    /// with "0" to three components, the first two compared as text ("3" equals "3.0.5").
    static bool sameMajorMinor(const QString &a, const QString &b);
    /// Whole days from @p from to @p to in the Gregorian calendar of the local time zone: calendar
    /// days between the local dates, less one when the wall-clock time has not come round yet
    /// (truncated toward zero, negative when @p to is earlier).
    static qint64 wholeDaysBetween(const QDateTime &from, const QDateTime &to);

  private:
    QString key(const char *field) const;

    Environment m_env;
    QDateTime m_dateFirstRun;
    qint64 m_runCount = 0;
    bool m_thisVersionReviewed = false;
    QString m_lastRunVersion = QStringLiteral("0.0.0");
    bool m_hasAppeared = false;
    QString m_savePrefix;
};

} // namespace lunafold
