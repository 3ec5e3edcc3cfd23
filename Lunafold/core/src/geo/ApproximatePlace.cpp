// SPDX-License-Identifier: MIT
#include "core/geo/ApproximatePlace.h"

#include <QDir>
#include <QFile>

namespace lunafold {
namespace {

// One signed ISO 6709 part: sign, then @p degreeDigits degrees, minutes and optional seconds.
std::optional<double> part(QStringView text, int degreeDigits, double limit) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5)
        return std::nullopt;
    if (text[0] != u'+' && text[0] != u'-')
        return std::nullopt;
    for (const QChar c : text.mid(1))
        if (!c.isDigit())
            return std::nullopt;
    const double degrees = text.mid(1, degreeDigits).toInt();
    const double minutes = text.mid(1 + degreeDigits, 2).toInt();
    const double seconds = text.size() == degreeDigits + 5 ? text.mid(3 + degreeDigits, 2).toInt() : 0;
    if (minutes >= 60 || seconds >= 60)
        return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    if (value > limit)
        return std::nullopt;
    return text[0] == u'-' ? -value : value;
}

std::optional<ApproximatePlace> fromTable(const QString &path, const QString &zone) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 3 || fields[2] != zone)
            continue;
        const auto coordinates = ApproximatePlace::parseCoordinates(fields[1]);
        if (!coordinates)
            return std::nullopt;
        QString name = zone.section(u'/', -1);
        name.replace(u'_', u' ');
        return ApproximatePlace{coordinates->first, coordinates->second, zone, name};
    }
    return std::nullopt;
}

} // namespace

QString ApproximatePlace::defaultDirectory() {
    const QString fromEnv = qEnvironmentVariable("TZDIR");
    return fromEnv.isEmpty() ? QStringLiteral("/usr/share/zoneinfo") : fromEnv;
}

std::optional<std::pair<double, double>> ApproximatePlace::parseCoordinates(QStringView text) {
    // The longitude starts at the second sign.
    qsizetype split = -1;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i] == u'+' || text[i] == u'-') {
            split = i;
            break;
        }
    if (split < 0)
        return std::nullopt;
    const auto lat = part(text.left(split), 2, 90), lon = part(text.mid(split), 3, 180);
    if (!lat || !lon)
        return std::nullopt;
    return std::pair{*lat, *lon};
}

std::optional<ApproximatePlace> ApproximatePlace::forZone(const QString &zone, const QString &zoneInfoDir) {
    if (zone.isEmpty())
        return std::nullopt;
    const QDir dir(zoneInfoDir);
    // zone1970.tab lists the zones in use; zone.tab also has those merged into them since 1970.
    if (auto place = fromTable(dir.filePath(QStringLiteral("zone1970.tab")), zone))
        return place;
    return fromTable(dir.filePath(QStringLiteral("zone.tab")), zone);
}

} // namespace lunafold
