// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

namespace lunafold {

class UserDefaults;

/// The map's preferences: whether online tiles are shown ("lunafold.onlineMap", on unless the
/// user turned it off) and where they come from ("lunafold.mapTileUrl", a URL with {z}, {x} and
/// {y}; set only by editing the preference file). A toggle is saved at once.
class MapSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool onlineMap READ onlineMap WRITE setOnlineMap NOTIFY onlineMapChanged)

  public:
    static constexpr char kOnlineMapKey[] = "lunafold.onlineMap";
    static constexpr char kTileUrlKey[] = "lunafold.mapTileUrl";

    explicit MapSettings(UserDefaults &defaults, QObject *parent = nullptr);

    bool onlineMap() const { return m_onlineMap; }
    void setOnlineMap(bool on);
    /// The stored template when it is usable, else the default; an unusable one is logged once.
    QString tileUrlTemplate() const;

  Q_SIGNALS:
    void onlineMapChanged();

  private:
    UserDefaults &m_defaults;
    bool m_onlineMap;
};

} // namespace lunafold
