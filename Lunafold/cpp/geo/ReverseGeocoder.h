// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace lunafold {

/// Offline reverse geocoding: the nearest populated place (within kMaxPlaceDistanceKm) and the IANA
/// time zone of a coordinate, from the files in resources/geodata.
class ReverseGeocoder {
public:
    struct Place {
        std::optional<QString> locality, adminArea, country;
        QString timeZone;
    };

    /// Places farther than this give no place text (the point is at sea or in a wilderness).
    static constexpr double kMaxPlaceDistanceKm = 100.0;

    /// Loads from $LUNAFOLD_GEODATA_DIR, else from share/lunafold/geodata (see resourceDirectory). Never null: without
    /// data, lookups still give the nautical zone and no place text.
    static const ReverseGeocoder *shared();

    /// Loads places.tsv and tzgrid.bin from @p directory; isLoaded() tells whether both were read.
    explicit ReverseGeocoder(const QString &directory);

    bool isLoaded() const { return m_placesLoaded && m_zonesLoaded; }
    /// Bytes of the data files read.
    qint64 dataSize() const { return m_dataSize; }
    /// The directory shared() loads from.
    static QString defaultDirectory();

    /// nullopt for a latitude outside [-90, 90], a longitude outside [-180, 180] or non-finite input.
    std::optional<Place> lookup(double latitude, double longitude) const;

    /// The zone of a ship at @p longitude: Etc/GMT-N east of Greenwich, Etc/GMT+N west, N = round(lon / 15).
    static QString nauticalZone(double longitude);

private:
    struct Entry {
        double latitude, longitude;
        QString locality, adminArea, country;
    };

    bool loadPlaces(const QString &path);
    bool loadZones(const QString &path);
    QString zoneAt(double latitude, double longitude) const;
    const Entry *nearest(double latitude, double longitude) const;

    // Places, bucketed by whole degree (row: latitude from -90, column: longitude from -180).
    static constexpr int kBucketRows = 180, kBucketCols = 360;
    std::vector<Entry> m_places;
    std::vector<std::uint32_t> m_bucketStart; // kBucketRows * kBucketCols + 1 offsets into m_bucketItems
    std::vector<std::uint32_t> m_bucketItems;

    // Zone grid: per row, runs of (start column, zone); kRefined marks cells kept at sub-resolution.
    static constexpr std::uint16_t kRefined = 0xFFFF;
    std::vector<QString> m_zones;
    std::uint32_t m_cols = 0, m_rows = 0, m_sub = 1;
    std::vector<std::uint32_t> m_rowStart;
    std::vector<std::uint16_t> m_runs; // pairs
    std::vector<std::uint32_t> m_refinedCells;
    std::vector<std::uint16_t> m_refinedSamples;

    bool m_placesLoaded = false, m_zonesLoaded = false;
    qint64 m_dataSize = 0;
};

} // namespace lunafold
