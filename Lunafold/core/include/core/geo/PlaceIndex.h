// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace lunafold {

/// The bundled populated places (places.bin, built by tools/geodata): names, first-level
/// administrative areas, countries, populations, the country of each time zone, and the search
/// keys, sorted at build time so a query is a binary search.
class PlaceIndex {
  public:
    /// One place as the map draws it.
    struct Label {
        double latitude = 0, longitude = 0; ///< degrees, north and east positive
        QString name;                       ///< as the place calls itself, UTF-8 from GeoNames
        std::uint32_t population = 0;       ///< 0 when unknown
    };
    static constexpr int kNone = -1;

    PlaceIndex() = default;
    /// Parses the file's bytes (qCompress framing); on any inconsistency nothing is kept and
    /// error() says why.
    explicit PlaceIndex(const QByteArray &file);

    bool isLoaded() const { return !m_places.empty(); }
    QString error() const { return m_error; }

    int placeCount() const { return static_cast<int>(m_places.size()); }
    /// @p index in [0, placeCount()); the most populous places come first.
    Label label(int index) const;
    double latitude(int index) const { return m_places[static_cast<std::size_t>(index)].lat * 1e-5; }
    double longitude(int index) const { return m_places[static_cast<std::size_t>(index)].lon * 1e-5; }
    QString name(int index) const;
    std::optional<QString> adminArea(int index) const;
    int country(int index) const { return m_places[static_cast<std::size_t>(index)].country; }
    /// The country's name in @p language ("de", or a locale name such as "de_AT"); in English
    /// for English and for a language the data has no names in.
    QString countryName(int country, QStringView language = {}) const;
    /// The country most of a zone's places are in; kNone at sea or for an unknown zone.
    int countryOfZone(const QString &zone) const;

    /// The nearest place in @p country (any with kNone) within @p maxKm, or kNone; its distance in @p km.
    int nearest(const GeoPoint &point, int country, double maxKm, double *km = nullptr) const;

    /// Places whose name, ASCII name or alternate name starts with the query, ignoring case,
    /// accents and punctuation; words after the name narrow by region or country ("paris texas").
    /// Exact names before prefixes, own names before alternate ones, then the most populous.
    std::vector<int> search(const QString &query, int limit) const;

    /// The search key of a text: lower case, accents dropped, ß as ss, every run of other
    /// characters one blank. tools/geodata/fold.mjs does the same when it builds the keys.
    static QString fold(const QString &text);

    /// Bytes held for places and index.
    std::size_t memoryBytes() const;

  private:
    struct Ref {
        std::uint32_t offset = 0;
        std::uint16_t length = 0;
    };
    struct Place {
        std::int32_t lat, lon; // 1e-5 degrees
        Ref name;
        std::uint16_t country, admin;
        std::uint32_t population;
    };
    struct Key {
        std::uint32_t offset;
        std::uint8_t length, kind; // kind 0: the place's own name, 1: an alternate name
        std::uint32_t place;
    };
    struct Region {
        Ref name;
        std::uint16_t country;
        QStringList words; // folded, for narrowing a search
    };

    bool parse(const QByteArray &bytes);
    bool fail(const char *why);
    QString text(Ref r) const;
    QByteArrayView keyText(const Key &k) const;
    bool narrows(const Place &p, const QStringList &filters) const;

    QByteArray m_strings;
    std::vector<Region> m_countries, m_admins;
    std::vector<QString> m_languages;                       // besides English, e.g. "de"
    std::vector<Ref> m_localCountryNames;                   // per language, a name for every country
    std::vector<std::pair<QString, std::uint16_t>> m_zones; // sorted by name
    std::vector<Place> m_places;
    std::vector<Key> m_keys;
    // Places by whole degree: row from -90, column from -180.
    static constexpr int kBucketRows = 180, kBucketCols = 360;
    std::vector<std::uint32_t> m_bucketStart, m_bucketItems;
    QString m_error;
};

} // namespace lunafold
