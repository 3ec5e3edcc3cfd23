// SPDX-License-Identifier: MIT
#include "notices/LocalNotificationCenter.h"

#include "common/Log.h"
#include "common/SafeWrite.h"
#include "notices/AppClock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace lunafold {
namespace {

constexpr int kMaxWaitMs = 3600 * 1000; // re-check hourly: the clock or the zone may change
constexpr int kRetryMs = 60 * 1000;

QJsonObject toJson(const NotificationRequest &r) {
    const LocalDateTime &t = r.trigger;
    return {{QStringLiteral("identifier"), r.identifier},
            {QStringLiteral("body"), r.body},
            {QStringLiteral("sound"), r.sound},
            {QStringLiteral("badge"), r.badge},
            {QStringLiteral("fireInstant"), r.fireInstant.unixSeconds()},
            {QStringLiteral("trigger"), QJsonArray{t.year, t.month, t.day, t.hour, t.minute, t.second}}};
}

std::optional<NotificationRequest> fromJson(const QJsonObject &o) {
    const QJsonArray t = o.value(QStringLiteral("trigger")).toArray();
    const auto fire = Instant::fromUnixSeconds(o.value(QStringLiteral("fireInstant")).toDouble(std::nan("")));
    if (t.size() != 6 || !fire || o.value(QStringLiteral("identifier")).toString().isEmpty())
        return std::nullopt;
    NotificationRequest r;
    r.identifier = o.value(QStringLiteral("identifier")).toString();
    r.body = o.value(QStringLiteral("body")).toString();
    r.sound = o.value(QStringLiteral("sound")).toString();
    r.badge = o.value(QStringLiteral("badge")).toInt(1);
    r.fireInstant = *fire;
    r.trigger = {t[0].toInt(), t[1].toInt(), t[2].toInt(), t[3].toInt(), t[4].toInt(), t[5].toDouble()};
    return r;
}

} // namespace

LocalNotificationCenter::LocalNotificationCenter(QString pendingFile, NotificationDeliverer &deliverer,
                                                 std::function<Instant()> now, QObject *parent,
                                                 bool delivering)
    : QObject(parent), m_file(std::move(pendingFile)), m_deliverer(deliverer),
      m_now(now ? std::move(now) : std::function<Instant()>(AppClock::now)), m_delivering(delivering) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LocalNotificationCenter::deliverDue);
    // The file is replaced by a rename, so its folder is watched: the other process's writes.
    const QString folder = QFileInfo(m_file).absolutePath();
    QDir().mkpath(folder);
    m_watcher.addPath(folder);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &LocalNotificationCenter::reload);
    load();
    deliverDue();
}

QList<NotificationRequest> LocalNotificationCenter::pending() const {
    std::lock_guard lock(m_mutex);
    return m_pending;
}

bool LocalNotificationCenter::isDelivering() const {
    std::lock_guard lock(m_mutex);
    return m_delivering;
}

void LocalNotificationCenter::setDelivering(bool on) {
    {
        std::lock_guard lock(m_mutex);
        m_delivering = on;
    }
    if (on) {
        reload();
        deliverDue();
    } else {
        QMetaObject::invokeMethod(&m_timer, &QTimer::stop);
    }
}

void LocalNotificationCenter::reload() {
    std::lock_guard lock(m_mutex);
    load();
    arm();
}

void LocalNotificationCenter::removeAllPendingNotificationRequests() {
    const Instant now = m_now();
    update([this, now](QList<NotificationRequest> &pending) {
        pending.removeIf([this, now](const NotificationRequest &r) {
            const auto at = dueInstant(r);
            return !at || *at > now;
        });
    });
}

void LocalNotificationCenter::add(const NotificationRequest &request,
                                  std::function<void(const QString &error)> completion) {
    QString error;
    const bool saved =
        update([&request](QList<NotificationRequest> &pending) { pending << request; }, &error);
    if (completion)
        completion(saved ? QString() : error);
}

// Read, change and write back under the lock file, so that the app and the notifier never
// overwrite each other's changes.
bool LocalNotificationCenter::update(const std::function<void(QList<NotificationRequest> &)> &change,
                                     QString *error) {
    std::lock_guard lock(m_mutex);
    QLockFile fileLock(m_file + QStringLiteral(".lock"));
    if (!fileLock.tryLock(10000))
        logLine(QStringLiteral("Pending notifications: the lock file is held; writing anyway"));
    load();
    change(m_pending);
    const bool saved = save(error);
    arm();
    return saved;
}

// The trigger is a wall-clock time of the device's calendar: it fires when the clock shows it.
std::optional<Instant> LocalNotificationCenter::dueInstant(const NotificationRequest &r) const {
    return TimeZone::current().instantOf(r.trigger);
}

void LocalNotificationCenter::deliverDue() {
    std::lock_guard lock(m_mutex);
    if (!m_delivering)
        return;
    QLockFile fileLock(m_file + QStringLiteral(".lock"));
    if (!fileLock.tryLock(10000))
        return; // the other process is writing: its change wakes us again
    load();     // what the other process delivered or withdrew is not shown again
    const Instant now = m_now();
    QList<NotificationRequest> due, later;
    for (const NotificationRequest &r : std::as_const(m_pending)) {
        const auto at = dueInstant(r);
        (at && *at <= now ? due : later) << r;
    }
    if (due.isEmpty()) {
        arm();
        return;
    }
    std::stable_sort(due.begin(), due.end(), [this](const auto &a, const auto &b) {
        return dueInstant(a).value_or(Instant()) < dueInstant(b).value_or(Instant());
    });
    // What the desktop could not show stays pending and is tried again a minute later.
    QList<NotificationRequest> failed;
    for (const NotificationRequest &r : std::as_const(due))
        if (!m_deliverer.deliver(r))
            failed << r;
    m_pending = failed + later;
    if (failed.size() < due.size())
        save();
    m_retry = failed.isEmpty() ? QDeadlineTimer() : QDeadlineTimer(kRetryMs);
    arm();
}

void LocalNotificationCenter::arm() {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                std::lock_guard lock(m_mutex);
                arm();
            },
            Qt::QueuedConnection);
        return;
    }
    m_timer.stop();
    if (!m_delivering)
        return;
    std::optional<Instant> next;
    for (const NotificationRequest &r : std::as_const(m_pending))
        if (const auto at = dueInstant(r); at && (!next || *at < *next))
            next = at;
    if (!next)
        return;
    double ms = std::clamp(next->secondsSince(m_now()) * 1000.0, 0.0, static_cast<double>(kMaxWaitMs));
    // A notice that could not be shown is not retried at once (a reload would spin on it).
    if (!m_retry.isForever() && !m_retry.hasExpired())
        ms = std::max(ms, static_cast<double>(m_retry.remainingTime()));
    m_timer.start(static_cast<int>(std::ceil(ms)));
}

bool LocalNotificationCenter::save(QString *error) const {
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QJsonArray list;
    for (const NotificationRequest &r : m_pending)
        list << toJson(r);
    if (const QString failure = writeFileSafely(m_file, QJsonDocument(list).toJson(QJsonDocument::Indented));
        !failure.isEmpty()) {
        const QString message = QStringLiteral("Pending notifications could not be saved: ") + failure;
        logLine(message);
        if (error)
            *error = message;
        return false;
    }
    return true;
}

void LocalNotificationCenter::load() {
    m_pending.clear();
    QFile in(m_file);
    if (!in.exists())
        return;
    QJsonParseError parseError{};
    const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isArray()) {
        // Keep the unreadable file for inspection and start empty.
        const QString aside = m_file + QStringLiteral(".corrupt-") +
                              QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmss"));
        in.close();
        QFile::rename(m_file, aside);
        logLine(QStringLiteral("Pending notifications could not be read; set aside as ") + aside);
        return;
    }
    for (const QJsonValue &v : doc.array())
        if (const auto r = fromJson(v.toObject()))
            m_pending << *r;
}

} // namespace lunafold
