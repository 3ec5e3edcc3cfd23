// SPDX-License-Identifier: MIT
// Feeds the map's labels from today's places.tsv (lat, lon, locality, admin area, country). The
// file has no populations, so a stand-in ranks the places: a town named like its admin area
// (often the area's seat) before the others. Replace this file when the places data carries
// populations.
#include "PlaceLabels.h"

#include <QDir>
#include <QFile>

namespace lunafold {

std::vector<MapPlace> loadMapPlaces(const QString &directory) {
    std::vector<MapPlace> places;
    QFile file(QDir(directory).filePath(QStringLiteral("places.tsv")));
    if (!file.open(QIODevice::ReadOnly))
        return places;
    const QByteArray bytes = file.readAll();
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 4)
            continue;
        bool okLatitude = false, okLongitude = false;
        const double latitude = fields[0].toDouble(&okLatitude), longitude = fields[1].toDouble(&okLongitude);
        if (!okLatitude || !okLongitude)
            continue;
        const bool seat = fields[2] == fields[3];
        places.push_back({{latitude, longitude}, QString::fromUtf8(fields[2]), seat ? 200000 : 20000});
    }
    return places;
}

} // namespace lunafold
