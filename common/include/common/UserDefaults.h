// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace lunafold {

/// The application's per-user key-value preference store: an INI file written through QSettings,
/// plus a registration domain kept in memory.
///
/// Lookups read the persisted value first, then the registered default, then the type's zero
/// value. The file holds text, so a value counts as the getter's type only when its text parses
/// strictly as that type ("true"/"false", a decimal integer, a number, an ISO 8601 date and time);
/// anything else is treated like an absent key. Every setter writes the whole file at once through
/// writeFileSafely(): on failure the old file stays, the value lives on in memory and "PREFS2. …"
/// is logged.
///
/// A file that cannot be parsed is renamed to "<file>.corrupt-<yyyyMMddTHHmmss>" (never deleted),
/// "PREFS1. Preference file could not be read; set aside as <path>" is logged, and the store starts
/// empty on a fresh file. A file that cannot be read at all (permissions, not a regular file) is
/// left alone: "PREFS3. …" is logged and the store runs on defaults in memory, never writing.
/// All members are thread-safe.
class UserDefaults {
  public:
    using LogFunction = std::function<void(const QString &line)>;

    /// The application's store, created on first use: "lunafold.ini" in $LUNAFOLD_CONFIG_DIR when
    /// set, else in ~/.config/lunafold (the user's configuration directory); the folder is created.
    static UserDefaults &standard();

    /// A store on @p filePath. @p log receives diagnostic lines; when empty they go to stdout.
    explicit UserDefaults(const QString &filePath, LogFunction log = {});
    ~UserDefaults();
    UserDefaults(const UserDefaults &) = delete;
    UserDefaults &operator=(const UserDefaults &) = delete;

    QString filePath() const;

    /// Adds @p defaults to the volatile registration domain (later registrations win per key).
    /// Never written to the file.
    void registerDefaults(const QVariantMap &defaults);

    bool boolForKey(const QString &key) const;      ///< false when absent
    double doubleForKey(const QString &key) const;  ///< 0 when absent; integers count as numbers
    qint64 integerForKey(const QString &key) const; ///< 0 when absent
    QString stringForKey(const QString &key) const; ///< null when absent; any stored text
    /// UTC, millisecond precision; std::nullopt when absent or not a date.
    std::optional<QDateTime> dateForKey(const QString &key) const;

    void setBool(const QString &key, bool value);
    void setDouble(const QString &key, double value);
    void setInteger(const QString &key, qint64 value);
    /// A null string removes the key, as storing "nothing" would.
    void setString(const QString &key, const QString &value);
    /// Stored in UTC at millisecond precision; an invalid date removes the key.
    void setDate(const QString &key, const QDateTime &value);

    /// True when the file or the registration domain holds a value for @p key.
    bool contains(const QString &key) const;
    /// Removes the persisted value; a registered default applies again.
    void removeObjectForKey(const QString &key);

    /// Identity and version of the file as last read or written (to notice other writers).
    struct FileStamp {
        qint64 device = 0, inode = 0, size = -1, modifiedNs = 0;
        friend bool operator==(const FileStamp &, const FileStamp &) = default;
    };

  private:
    template <typename T>
    T lookup(const QString &key, std::optional<T> (*convert)(const QVariant &), T zero) const;
    void store(const QString &key, const QVariant &text);
    void open();

    QString m_path;
    LogFunction m_log;
    mutable std::mutex m_mutex;
    QVariantMap m_values;   // the file's keys, as text
    bool m_persist = false; // false: the file could not be read, so it is never written
    FileStamp m_stamp;
    QVariantMap m_registered;
    bool m_writeFailureLogged = false;
};

} // namespace lunafold
