// SPDX-License-Identifier: MIT
#include "common/UserDefaults.h"

#include "common/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <limits>

namespace lunafold {

namespace {

bool isIntegral(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

std::optional<bool> toBool(const QVariant &value) {
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text == QLatin1String("true"))
            return true;
        if (text == QLatin1String("false"))
            return false;
    }
    return std::nullopt;
}

std::optional<qint64> toInteger(const QVariant &value) {
    if (value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::ULong) {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(unsignedValue);
    }
    if (isIntegral(value))
        return value.toLongLong();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const qint64 number = value.toString().toLongLong(&ok, 10);
        if (ok)
            return number;
    }
    return std::nullopt;
}

std::optional<double> toDouble(const QVariant &value) {
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float || isIntegral(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().toDouble(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

std::optional<QString> toText(const QVariant &value) {
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return std::nullopt;
}

std::optional<QDateTime> toDate(const QVariant &value) {
    QDateTime date;
    if (value.typeId() == QMetaType::QDateTime) {
        date = value.toDateTime();
    } else if (value.typeId() == QMetaType::QString) {
        // A bare date such as "2024-01-02" is a string, not a stored date object.
        const QString text = value.toString();
        if (text.contains(QLatin1Char('T')))
            date = QDateTime::fromString(text, Qt::ISODateWithMs);
    }
    if (!date.isValid())
        return std::nullopt;
    return date.toUTC();
}

QString dateText(const QDateTime &date) {
    return date.toUTC().toString(Qt::ISODateWithMs);
}

// QSettings parses lazily and tolerates almost anything, so catch what it would silently accept.
bool looksReadable(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || data.contains('\0'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)QString(decoder(data));
    return !decoder.hasError();
}

// Renaming keeps the user's bytes for inspection; returns the new path, or empty on failure.
QString setAside(const QString &path) {
    const QString base = path + QStringLiteral(".corrupt-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n) {
        if (n > 1000)
            return {};
        target = base + QLatin1Char('-') + QString::number(n);
    }
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0)
        return {};
    return target;
}

std::unique_ptr<QSettings> makeSettings(const QString &path) {
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    // Never fall back to rewriting the file in place: a crash then could leave half a file.
    settings->setAtomicSyncRequired(true);
    return settings;
}

QString standardFilePath() {
    QString dir = qEnvironmentVariable("LUNAFOLD_CONFIG_DIR");
    // One folder for the app and the command-line tools, whatever the running program is called.
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/lunafold");
    if (dir == QStringLiteral("/lunafold"))
        dir = QDir::homePath() + QStringLiteral("/.config/lunafold");
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("lunafold.ini"));
}

} // namespace

UserDefaults &UserDefaults::standard() {
    static UserDefaults instance(standardFilePath());
    return instance;
}

UserDefaults::UserDefaults(const QString &filePath, LogFunction log)
    : m_path(filePath), m_log(log ? std::move(log) : LogFunction(logLine)) {
    open();
}

UserDefaults::~UserDefaults() = default;

QString UserDefaults::filePath() const {
    return m_path;
}

void UserDefaults::open() {
    if (looksReadable(m_path)) {
        m_settings = makeSettings(m_path);
        // Parses every section now; otherwise a format error would only surface on first lookup.
        (void)m_settings->allKeys();
        if (m_settings->status() == QSettings::NoError)
            return;
        m_settings.reset();
    }
    const QString aside = setAside(m_path);
    if (aside.isEmpty()) {
        // Writing would replace the unreadable file, so keep changes in memory for this run.
        m_log(QStringLiteral(
                  "PREFS2. Preference file could not be read or set aside; changes are not saved: ") +
              m_path);
        return;
    }
    m_log(QStringLiteral("PREFS1. Preference file could not be read; set aside as ") + aside);
    m_settings = makeSettings(m_path);
}

void UserDefaults::registerDefaults(const QVariantMap &defaults) {
    std::lock_guard lock(m_mutex);
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it)
        m_registered.insert(it.key(), it.value());
}

template <typename T>
T UserDefaults::lookup(const QString &key, std::optional<T> (*convert)(const QVariant &), T zero) const {
    std::lock_guard lock(m_mutex);
    const QVariant stored = m_settings ? m_settings->value(key) : m_memoryOnly.value(key);
    if (stored.isValid()) {
        if (std::optional<T> value = convert(stored))
            return *value;
    }
    const auto registered = m_registered.constFind(key);
    if (registered != m_registered.constEnd()) {
        if (std::optional<T> value = convert(*registered))
            return *value;
    }
    return zero;
}

bool UserDefaults::boolForKey(const QString &key) const {
    return lookup<bool>(key, toBool, false);
}

double UserDefaults::doubleForKey(const QString &key) const {
    return lookup<double>(key, toDouble, 0.0);
}

qint64 UserDefaults::integerForKey(const QString &key) const {
    return lookup<qint64>(key, toInteger, 0);
}

QString UserDefaults::stringForKey(const QString &key) const {
    return lookup<QString>(key, toText, QString());
}

std::optional<QDateTime> UserDefaults::dateForKey(const QString &key) const {
    const QDateTime date = lookup<QDateTime>(key, toDate, QDateTime());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void UserDefaults::setBool(const QString &key, bool value) {
    store(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void UserDefaults::setDouble(const QString &key, double value) {
    store(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void UserDefaults::setInteger(const QString &key, qint64 value) {
    store(key, QString::number(value));
}

void UserDefaults::setString(const QString &key, const QString &value) {
    store(key, value.isNull() ? QVariant() : QVariant(value));
}

void UserDefaults::setDate(const QString &key, const QDateTime &value) {
    store(key, value.isValid() ? QVariant(dateText(value)) : QVariant());
}

void UserDefaults::removeObjectForKey(const QString &key) {
    store(key, QVariant());
}

bool UserDefaults::contains(const QString &key) const {
    std::lock_guard lock(m_mutex);
    const bool stored = m_settings ? m_settings->contains(key) : m_memoryOnly.contains(key);
    return stored || m_registered.contains(key);
}

// An invalid @p text removes the key. Values are always written as text so that what a getter
// sees is the same before and after a restart.
void UserDefaults::store(const QString &key, const QVariant &text) {
    bool reportFailure = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_settings) {
            if (text.isValid())
                m_memoryOnly.insert(key, text);
            else
                m_memoryOnly.remove(key);
            return;
        }
        if (text.isValid())
            m_settings->setValue(key, text);
        else
            m_settings->remove(key);
        m_settings->sync();
        if (m_settings->status() != QSettings::NoError && !m_writeFailureLogged) {
            m_writeFailureLogged = true;
            reportFailure = true;
        }
    }
    if (reportFailure)
        m_log(QStringLiteral("PREFS2. Preference file could not be written: ") + m_path);
}

} // namespace lunafold
