// SPDX-License-Identifier: MIT
#include "core/geo/PlaceIndex.h"

#include "core/geo/ByteReader.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lunafold {
namespace {

constexpr qsizetype kMaxFileSize = 64 * 1024 * 1024;
constexpr std::uint16_t kNoAdmin = 0xFFFF, kNoCountry = 0xFFFF;
constexpr std::uint32_t kMaxLanguages = 64;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = radians(lat2 - lat1), dLon = radians(lon2 - lon1);
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) + std::cos(radians(lat1)) *
                                                                   std::cos(radians(lat2)) *
                                                                   std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * 6371.0088 * std::asin(std::min(1.0, std::sqrt(a)));
}

int clampIndex(double value, int size) {
    return std::clamp(static_cast<int>(std::floor(value)), 0, size - 1);
}

QStringList wordsOf(const QString &folded) {
    QStringList words;
    for (const QString &part : folded.split(u'|', Qt::SkipEmptyParts))
        words += part.split(u' ', Qt::SkipEmptyParts);
    return words;
}

} // namespace

PlaceIndex::PlaceIndex(const QByteArray &file) {
    const QByteArray bytes = ByteReader::uncompress(file, kMaxFileSize);
    if (bytes.isEmpty()) {
        fail("not a compressed places file");
        return;
    }
    if (!parse(bytes)) {
        m_places.clear();
        m_keys.clear();
        m_strings.clear();
        m_languages.clear();
        m_localCountryNames.clear();
    }
}

bool PlaceIndex::fail(const char *why) {
    m_error = QString::fromLatin1(why);
    return false;
}

bool PlaceIndex::parse(const QByteArray &bytes) {
    ByteReader in(bytes);
    if (in.bytes(4) != "LFPL" || in.u32() != 2)
        return fail("not a places file of version 2");
    const std::uint32_t stringBytes = in.u32(), countryCount = in.u32(), adminCount = in.u32(),
                        zoneCount = in.u32(), placeCount = in.u32(), keyCount = in.u32(),
                        languageCount = in.u32();
    if (countryCount >= kNoCountry || adminCount >= kNoAdmin || languageCount > kMaxLanguages)
        return fail("too many countries, areas or languages");
    // Every count is checked against the bytes present before anything is allocated for it.
    const std::uint64_t need = std::uint64_t{stringBytes} + std::uint64_t{countryCount} * 12 +
                               std::uint64_t{languageCount} * (1 + std::uint64_t{countryCount}) * 6 +
                               std::uint64_t{adminCount} * 8 + std::uint64_t{zoneCount} * 8 +
                               std::uint64_t{placeCount} * 22 + std::uint64_t{keyCount} * 10;
    if (!in.ok() || need != static_cast<std::uint64_t>(in.remaining()))
        return fail("the counts do not match the file's size");

    m_strings = in.bytes(stringBytes);
    auto ref = [&] {
        Ref r{in.u32(), in.u16()};
        if (std::uint64_t{r.offset} + r.length > stringBytes)
            in.take(-1); // marks the reader failed
        return r;
    };
    m_countries.resize(countryCount);
    for (Region &c : m_countries) {
        c.name = ref();
        c.words = wordsOf(text(ref()));
        c.country = 0;
    }
    m_languages.resize(languageCount);
    m_localCountryNames.resize(std::size_t{languageCount} * countryCount);
    for (std::uint32_t l = 0; l < languageCount; ++l) {
        m_languages[l] = text(ref());
        for (std::uint32_t c = 0; c < countryCount; ++c)
            m_localCountryNames[l * countryCount + c] = ref();
    }
    m_admins.resize(adminCount);
    for (Region &a : m_admins) {
        a.name = ref();
        a.country = in.u16();
        a.words = wordsOf(fold(text(a.name)));
        if (a.country >= countryCount)
            return fail("an area's country is out of range");
    }
    m_zones.reserve(zoneCount);
    for (std::uint32_t i = 0; i < zoneCount; ++i) {
        const Ref name = ref();
        const std::uint16_t country = in.u16();
        if (country != kNoCountry && country >= countryCount)
            return fail("a zone's country is out of range");
        m_zones.emplace_back(text(name), country);
    }
    std::sort(m_zones.begin(), m_zones.end());
    m_places.resize(placeCount);
    for (Place &p : m_places) {
        p.lat = in.i32();
        p.lon = in.i32();
        p.name = ref();
        p.country = in.u16();
        p.admin = in.u16();
        p.population = in.u32();
        if (std::abs(p.lat) > 9000000 || std::abs(p.lon) > 18000000 || p.country >= countryCount ||
            (p.admin != kNoAdmin && p.admin >= adminCount))
            return fail("a place is out of range");
    }
    m_keys.resize(keyCount);
    for (Key &k : m_keys) {
        k.offset = in.u32();
        k.length = in.u8();
        k.kind = in.u8();
        k.place = in.u32();
        if (std::uint64_t{k.offset} + k.length > stringBytes || k.place >= placeCount || k.kind > 1)
            return fail("a search key is out of range");
    }
    if (!in.ok() || !in.atEnd())
        return fail("the file is truncated");
    // Binary search needs the keys in order; a file out of order would silently miss places.
    for (std::size_t i = 1; i < m_keys.size(); ++i)
        if (keyText(m_keys[i]) < keyText(m_keys[i - 1]))
            return fail("the search keys are not sorted");

    // Counting sort into whole-degree buckets for the nearest-place search.
    auto bucketOf = [](const Place &p) {
        return static_cast<std::size_t>(clampIndex(p.lat * 1e-5 + 90, kBucketRows) * kBucketCols +
                                        clampIndex(p.lon * 1e-5 + 180, kBucketCols));
    };
    m_bucketStart.assign(kBucketRows * kBucketCols + 1, 0);
    for (const Place &p : m_places)
        ++m_bucketStart[bucketOf(p) + 1];
    for (std::size_t i = 1; i < m_bucketStart.size(); ++i)
        m_bucketStart[i] += m_bucketStart[i - 1];
    m_bucketItems.resize(m_places.size());
    std::vector<std::uint32_t> fill(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (std::size_t i = 0; i < m_places.size(); ++i)
        m_bucketItems[fill[bucketOf(m_places[i])]++] = static_cast<std::uint32_t>(i);
    return m_places.empty() ? fail("no places") : true;
}

QString PlaceIndex::text(Ref r) const {
    if (std::uint64_t{r.offset} + r.length > static_cast<std::uint64_t>(m_strings.size()))
        return {};
    return QString::fromUtf8(m_strings.constData() + r.offset, r.length);
}

QByteArrayView PlaceIndex::keyText(const Key &k) const {
    return QByteArrayView(m_strings.constData() + k.offset, k.length);
}

PlaceIndex::Label PlaceIndex::label(int index) const {
    const Place &p = m_places[static_cast<std::size_t>(index)];
    return {p.lat * 1e-5, p.lon * 1e-5, text(p.name), p.population};
}

QString PlaceIndex::name(int index) const {
    return text(m_places[static_cast<std::size_t>(index)].name);
}

std::optional<QString> PlaceIndex::adminArea(int index) const {
    const Place &p = m_places[static_cast<std::size_t>(index)];
    if (p.admin == kNoAdmin)
        return std::nullopt;
    return text(m_admins[p.admin].name);
}

QString PlaceIndex::countryName(int country, QStringView language) const {
    if (country < 0 || static_cast<std::size_t>(country) >= m_countries.size())
        return {};
    // "de_AT" and "de-AT" read as "de"; English, and a language without names, get the English name.
    const auto end =
        std::find_if(language.begin(), language.end(), [](QChar c) { return c == u'_' || c == u'-'; });
    const QStringView code = language.left(end - language.begin());
    for (std::size_t l = 0; l < m_languages.size(); ++l)
        if (m_languages[l] == code)
            return text(m_localCountryNames[l * m_countries.size() + static_cast<std::size_t>(country)]);
    return text(m_countries[static_cast<std::size_t>(country)].name);
}

int PlaceIndex::countryOfZone(const QString &zone) const {
    const auto it = std::lower_bound(m_zones.begin(), m_zones.end(), zone,
                                     [](const auto &entry, const QString &z) { return entry.first < z; });
    if (it == m_zones.end() || it->first != zone || it->second == kNoCountry)
        return kNone;
    return it->second;
}

int PlaceIndex::nearest(const GeoPoint &point, int country, double maxKm, double *km) const {
    const double latitude = point.latitude(), longitude = point.longitude();
    if (m_places.empty())
        return kNone;
    // Buckets that can hold a place within maxKm: a degree of latitude is ~111 km everywhere,
    // a degree of longitude shrinks with cos(latitude).
    const double reachLat = maxKm / 111.0 + 0.01;
    const int r0 = clampIndex(latitude - reachLat + 90, kBucketRows);
    const int r1 = clampIndex(latitude + reachLat + 90, kBucketRows);
    const double cosLat = std::cos(radians(std::min(90.0, std::abs(latitude) + reachLat)));
    const double reachLon = cosLat > 1e-6 ? reachLat / cosLat : 360.0;
    int cols = kBucketCols, c0 = 0;
    if (reachLon < 179.0) {
        c0 = static_cast<int>(std::floor(longitude - reachLon + 180));
        cols = std::min(kBucketCols, static_cast<int>(std::floor(longitude + reachLon + 180)) - c0 + 1);
    }
    int best = kNone;
    double bestKm = maxKm;
    for (int r = r0; r <= r1; ++r) {
        for (int k = 0; k < cols; ++k) {
            const int c = ((c0 + k) % kBucketCols + kBucketCols) % kBucketCols; // wraps at the antimeridian
            const std::size_t bucket = static_cast<std::size_t>(r * kBucketCols + c);
            for (std::uint32_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
                const Place &p = m_places[m_bucketItems[i]];
                if (country != kNone && p.country != country)
                    continue;
                const double d = distanceKm(latitude, longitude, p.lat * 1e-5, p.lon * 1e-5);
                if (d <= bestKm) {
                    bestKm = d;
                    best = static_cast<int>(m_bucketItems[i]);
                }
            }
        }
    }
    if (km)
        *km = bestKm;
    return best;
}

QString PlaceIndex::fold(const QString &text) {
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    bool space = true; // no leading blank
    for (const char32_t c : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing)
            continue;
        const char *special = nullptr;
        switch (c) {
        case U'ß':
            special = "ss";
            break;
        case U'æ':
            special = "ae";
            break;
        case U'œ':
            special = "oe";
            break;
        case U'ø':
            special = "o";
            break;
        case U'đ':
        case U'ð':
            special = "d";
            break;
        case U'þ':
            special = "th";
            break;
        case U'ł':
            special = "l";
            break;
        case U'ı':
            special = "i";
            break;
        case U'ħ':
            special = "h";
            break;
        default:
            break;
        }
        if (special) {
            out += QLatin1String(special);
            space = false;
        } else if (QChar::isLetterOrNumber(c)) {
            out += QString::fromUcs4(&c, 1);
            space = false;
        } else if (!space) {
            out += u' ';
            space = true;
        }
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

bool PlaceIndex::narrows(const Place &p, const QStringList &filters) const {
    for (const QString &f : filters) {
        bool found = false;
        auto matches = [&](const QStringList &words) {
            return std::any_of(words.begin(), words.end(), [&](const QString &w) { return w.startsWith(f); });
        };
        if (p.admin != kNoAdmin)
            found = matches(m_admins[p.admin].words);
        if (!found)
            found = matches(m_countries[p.country].words);
        if (!found)
            return false;
    }
    return true;
}

std::vector<int> PlaceIndex::search(const QString &query, int limit) const {
    std::vector<int> result;
    const QStringList tokens = fold(query).split(u' ', Qt::SkipEmptyParts);
    if (tokens.isEmpty() || limit <= 0 || m_keys.empty())
        return result;
    // The longest run of leading words that names places; the words after it narrow.
    for (qsizetype n = tokens.size(); n >= 1; --n) {
        const QByteArray name = tokens.mid(0, n).join(u' ').toUtf8();
        const QStringList filters = tokens.mid(n);
        const QByteArrayView prefix(name);
        auto it = std::lower_bound(m_keys.begin(), m_keys.end(), prefix,
                                   [this](const Key &k, QByteArrayView q) { return keyText(k) < q; });
        // Rank: 0 exact own name, 1 exact alternate, 2 own-name prefix, 3 alternate prefix; then index
        // (the most populous first). A place counts at its best rank. A one-letter query spans tens
        // of thousands of keys, so each rank keeps only its best 2 * limit places (a place taken at
        // a better rank can push at most limit of them out) instead of sorting them all.
        const std::size_t keep = 2 * static_cast<std::size_t>(limit);
        std::vector<std::uint32_t> best[4];
        for (; it != m_keys.end() && keyText(*it).startsWith(prefix); ++it) {
            if (!filters.isEmpty() && !narrows(m_places[it->place], filters))
                continue;
            std::vector<std::uint32_t> &list = best[(it->length == prefix.size() ? 0 : 2) + it->kind];
            if (list.size() == keep && it->place >= list.back())
                continue;
            const auto at = std::lower_bound(list.begin(), list.end(), it->place);
            if (at != list.end() && *at == it->place)
                continue;
            list.insert(at, it->place);
            if (list.size() > keep)
                list.pop_back();
        }
        for (const auto &list : best) {
            for (const std::uint32_t place : list) {
                if (static_cast<int>(result.size()) == limit)
                    return result;
                if (std::find(result.begin(), result.end(), static_cast<int>(place)) == result.end())
                    result.push_back(static_cast<int>(place));
            }
        }
        if (result.empty())
            continue;
        return result;
    }
    return result;
}

std::size_t PlaceIndex::memoryBytes() const {
    std::size_t bytes = static_cast<std::size_t>(m_strings.capacity()) + m_places.capacity() * sizeof(Place) +
                        m_keys.capacity() * sizeof(Key) +
                        (m_bucketStart.capacity() + m_bucketItems.capacity()) * sizeof(std::uint32_t) +
                        m_localCountryNames.capacity() * sizeof(Ref) + m_languages.size() * sizeof(QString);
    for (const Region &r : m_countries)
        bytes += sizeof(Region) + static_cast<std::size_t>(r.words.join(QString()).size()) * 2;
    for (const Region &r : m_admins)
        bytes += sizeof(Region) + static_cast<std::size_t>(r.words.join(QString()).size()) * 2;
    return bytes + m_zones.size() * 64;
}

} // namespace lunafold
