// SPDX-License-Identifier: MIT
#include "common/UserDefaults.h"

#include "common/Log.h"
#include "common/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <cctype>
#include <limits>

#include <sys/stat.h>

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

enum class FileState { Absent, Readable, Unreadable, Corrupt };

// Only a file that opens and reads is judged on its content: one we may not read (permissions, a
// folder or a pipe in its place) is the user's to fix, not corruption to clean up.
FileState probe(const QString &path, QString *why) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return FileState::Absent;
    if (!info.exists()) {
        *why = QStringLiteral("a broken link");
        return FileState::Unreadable;
    }
    if (!info.isFile()) {
        *why = QStringLiteral("not a regular file");
        return FileState::Unreadable;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return FileState::Unreadable;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return FileState::Unreadable;
    }
    // QSettings tolerates almost anything, so catch what it would silently accept.
    if (data.contains('\0'))
        return FileState::Corrupt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)QString(decoder(data));
    return decoder.hasError() ? FileState::Corrupt : FileState::Readable;
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

// Every key and value of an INI file QSettings can parse; false for a format error.
bool parseIni(const QString &path, QVariantMap &values) {
    const QSettings settings(path, QSettings::IniFormat);
    const QStringList keys = settings.allKeys();
    if (settings.status() != QSettings::NoError)
        return false;
    values.clear();
    for (const QString &key : keys)
        values.insert(key, settings.value(key));
    return true;
}

// QSettings' INI escaping, so that the file reads back exactly through QSettings.
void appendIniString(QByteArray &out, const QString &text) {
    const qsizetype start = out.size();
    bool quote = false, escapeHexDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u == u';' || u == u',' || u == u'=')
            quote = true;
        // "\x" escapes run on through hex digits, so a digit right after one is escaped as well.
        if (escapeHexDigit && u < 0x80 && std::isxdigit(static_cast<unsigned char>(u))) {
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (u) {
        case u'\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        default:
            if (u <= 0x1F) {
                out += "\\x" + QByteArray::number(u, 16);
                escapeHexDigit = true;
            } else {
                // A character outside the BMP is two UTF-16 units, encoded together.
                const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
                out += QStringView(text).mid(i, n).toUtf8();
                i += n - 1;
            }
        }
    }
    if (quote || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QByteArray iniText(const QVariantMap &values) {
    QByteArray out = "[General]\n";
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        for (const QChar c : it.key()) {
            const char16_t u = c.unicode();
            if (u == u'/')
                out += '\\';
            else if (u < 0x80 &&
                     (std::isalnum(static_cast<unsigned char>(u)) || u == u'_' || u == u'-' || u == u'.'))
                out += static_cast<char>(u);
            else if (u <= 0xFF)
                out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
            else
                out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
        }
        out += '=';
        if (it->typeId() == QMetaType::QStringList) {
            const QStringList items = it->toStringList();
            if (items.isEmpty())
                out += "@Invalid()";
            for (qsizetype i = 0; i < items.size(); ++i) {
                if (i)
                    out += ", ";
                appendIniString(out, items[i]);
            }
        } else {
            const QString text = it->toString();
            appendIniString(out, text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text);
        }
        out += '\n';
    }
    return out;
}

UserDefaults::FileStamp stampOf(const QString &path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {static_cast<qint64>(info.st_dev), static_cast<qint64>(info.st_ino),
            static_cast<qint64>(info.st_size),
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

QString standardFilePath() {
    QString dir = qEnvironmentVariable("LUNAFOLD_CONFIG_DIR");
    // One folder for the app and the command-line tools, whatever the running program is called.
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
              QStringLiteral("/lunafold");
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
    QString why;
    switch (probe(m_path, &why)) {
    case FileState::Absent:
        m_persist = true;
        return;
    case FileState::Unreadable:
        // The file may be fine and only out of reach for now: never touch it, and never write over it.
        m_log(
            QStringLiteral(
                "PREFS3. Preference file cannot be read (%1); running on defaults, changes are not saved: %2")
                .arg(why, m_path));
        return;
    case FileState::Readable:
        if (parseIni(m_path, m_values)) {
            m_persist = true;
            m_stamp = stampOf(m_path);
            return;
        }
        break;
    case FileState::Corrupt:
        break;
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
    m_persist = true;
}

void UserDefaults::registerDefaults(const QVariantMap &defaults) {
    std::lock_guard lock(m_mutex);
    for (auto it = defaults.constBegin(); it != defaults.constEnd(); ++it)
        m_registered.insert(it.key(), it.value());
}

template <typename T>
T UserDefaults::lookup(const QString &key, std::optional<T> (*convert)(const QVariant &), T zero) const {
    std::lock_guard lock(m_mutex);
    const QVariant stored = m_values.value(key);
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
    return m_values.contains(key) || m_registered.contains(key);
}

// An invalid @p text removes the key. Values are always written as text so that what a getter
// sees is the same before and after a restart.
void UserDefaults::store(const QString &key, const QVariant &text) {
    QString failure;
    {
        std::lock_guard lock(m_mutex);
        if (m_persist && stampOf(m_path) != m_stamp) {
            // Another process saved meanwhile: build on its file, as QSettings would have merged it.
            QVariantMap onDisk;
            QString why;
            if (probe(m_path, &why) == FileState::Readable && parseIni(m_path, onDisk))
                m_values = onDisk;
        }
        if (text.isValid())
            m_values.insert(key, text);
        else
            m_values.remove(key);
        if (!m_persist)
            return;
        failure = writeFileSafely(m_path, iniText(m_values));
        if (failure.isEmpty()) {
            m_stamp = stampOf(m_path);
            m_writeFailureLogged = false;
            return;
        }
        if (m_writeFailureLogged)
            return;
        m_writeFailureLogged = true;
    }
    // The old file stays as it was; this run goes on with the new value in memory.
    m_log(QStringLiteral("PREFS2. Preference file could not be written (%1): %2").arg(failure, m_path));
}

} // namespace lunafold
