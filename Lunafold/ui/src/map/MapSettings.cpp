// SPDX-License-Identifier: MIT
#include "ui/map/MapSettings.h"

#include "common/UserDefaults.h"
#include "ui/map/TileSource.h"

#include <QTextStream>

namespace lunafold {

MapSettings::MapSettings(UserDefaults &defaults, QObject *parent) : QObject(parent), m_defaults(defaults) {
    m_defaults.registerDefaults({{QLatin1String(kOnlineMapKey), true}});
    m_onlineMap = m_defaults.boolForKey(QLatin1String(kOnlineMapKey));
}

void MapSettings::setOnlineMap(bool on) {
    if (on == m_onlineMap)
        return;
    m_onlineMap = on;
    m_defaults.setBool(QLatin1String(kOnlineMapKey), on);
    Q_EMIT onlineMapChanged();
}

QString MapSettings::tileUrlTemplate() const {
    const QString stored = m_defaults.stringForKey(QLatin1String(kTileUrlKey)).trimmed();
    if (stored.isEmpty())
        return TileSource::defaultUrlTemplate();
    if (TileSource::isUsableTemplate(stored))
        return stored;
    static bool logged = false;
    if (!logged) {
        logged = true;
        QTextStream(stdout) << "MAP1. " << kTileUrlKey
                            << " needs an http(s) URL with {z}, {x} and {y}; using "
                            << TileSource::defaultUrlTemplate() << Qt::endl;
    }
    return TileSource::defaultUrlTemplate();
}

} // namespace lunafold
