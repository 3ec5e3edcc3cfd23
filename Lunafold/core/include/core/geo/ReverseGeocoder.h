// SPDX-License-Identifier: MIT
#pragma once

#include "core/geo/PlaceIndex.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace lunafold {

/// Offline reverse geocoding from the files in resources/geodata: the IANA time zone of a coordinate
/// (the nautical Etc/GMT±N zone beyond territorial waters) and the nearest populated place in the
/// country that zone belongs to.
class ReverseGeocoder {
  public:
    struct Place {
        std::optional<QString> locality, adminArea, country;
        QString timeZone;
    };

    /// A place this near names the point's locality.
    static constexpr double kLocalityKm = 30.0;
    /// Farther out, the administrative area of the nearest place within this distance, then only the country.
    static constexpr double kAreaKm = 250.0;

    /// Loads places.bin and tzgrid.bin from @p directory; isLoaded() tells whether both were read.
    /// A damaged file is reported with a warning and left out.
    explicit ReverseGeocoder(const QString &directory);

    bool isLoaded() const { return m_places.isLoaded() && m_zonesLoaded; }
    /// The places, for search and for the map's labels.
    const PlaceIndex &places() const { return m_places; }
    /// $LUNAFOLD_GEODATA_DIR, else share/lunafold/geodata (see resourceDirectory). Without data,
    /// lookups still give the nautical zone and no place text.
    static QString defaultDirectory();

    /// nullopt for a latitude outside [-90, 90], a longitude outside [-180, 180] or non-finite input.
    /// The country is named in @p language (see PlaceIndex::countryName); in English by default.
    std::optional<Place> lookup(const GeoPoint &point, QStringView language = {}) const;
    /// The time zone alone.
    QString zoneAt(const GeoPoint &point) const;

    /// The zone of a ship at @p longitude: Etc/GMT-N east of Greenwich, Etc/GMT+N west, N = round(lon / 15).
    static QString nauticalZone(double longitude);

  private:
    bool loadZones(const QString &path);

    PlaceIndex m_places;

    // Zone grid: per row, runs of (start column, zone); kRefined marks cells kept at sub-resolution.
    static constexpr std::uint16_t kRefined = 0xFFFF;
    std::vector<QString> m_zones;
    std::uint32_t m_cols = 0, m_rows = 0, m_sub = 1;
    std::vector<std::uint32_t> m_rowStart;
    std::vector<std::uint16_t> m_runs; // pairs
    std::vector<std::uint32_t> m_refinedCells;
    std::vector<std::uint16_t> m_refinedSamples;

    bool m_zonesLoaded = false;
};

} // namespace lunafold
