// SPDX-License-Identifier: MIT
#include "ReverseGeocoder.h"

#include "common/ResourcePaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <numbers>


namespace lunafold {

namespace {

constexpr double kEarthRadiusKm = 6371.0088;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Haversine: stable for the short distances that decide the nearest place.
double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = radians(lat2 - lat1), dLon = radians(lon2 - lon1);
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(radians(lat1)) * std::cos(radians(lat2)) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

int clampIndex(double value, int size) {
    return std::clamp(static_cast<int>(std::floor(value)), 0, size - 1);
}

// A bounds-checked little-endian reader over the decompressed grid.
class Reader {
public:
    explicit Reader(const QByteArray &bytes) : m_data(bytes) {}
    bool ok() const { return m_ok; }
    bool take(qsizetype n) {
        if (!m_ok || n < 0 || m_data.size() - m_pos < n) return m_ok = false;
        m_pos += n;
        return true;
    }
    std::uint32_t u32() { return take(4) ? qFromLittleEndian<quint32>(m_data.constData() + m_pos - 4) : 0; }
    std::uint16_t u16() { return take(2) ? qFromLittleEndian<quint16>(m_data.constData() + m_pos - 2) : 0; }
    std::uint8_t u8() { return take(1) ? static_cast<std::uint8_t>(m_data.at(m_pos - 1)) : 0; }
    QByteArray bytes(qsizetype n) { return take(n) ? m_data.mid(m_pos - n, n) : QByteArray(); }
    bool atEnd() const { return m_pos == m_data.size(); }

private:
    const QByteArray &m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace

QString ReverseGeocoder::defaultDirectory() {
    return resourceDirectory(QStringLiteral("geodata"), "LUNAFOLD_GEODATA_DIR");
}

const ReverseGeocoder *ReverseGeocoder::shared() {
    static const ReverseGeocoder instance(defaultDirectory());
    return &instance;
}

ReverseGeocoder::ReverseGeocoder(const QString &directory) {
    const QDir dir(directory);
    m_placesLoaded = loadPlaces(dir.filePath(QStringLiteral("places.tsv")));
    m_zonesLoaded = loadZones(dir.filePath(QStringLiteral("tzgrid.bin")));
    if (!isLoaded())
        qWarning("ReverseGeocoder: incomplete geodata in %s", qPrintable(directory));
}

bool ReverseGeocoder::loadPlaces(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    m_dataSize += bytes.size();

    std::vector<Entry> places;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 5) return false;
        bool okLat = false, okLon = false;
        const double lat = fields[0].toDouble(&okLat), lon = fields[1].toDouble(&okLon);
        if (!okLat || !okLon || std::abs(lat) > 90 || std::abs(lon) > 180) return false;
        places.push_back({lat, lon, QString::fromUtf8(fields[2]), QString::fromUtf8(fields[3]),
                          QString::fromUtf8(fields[4])});
    }

    // Counting sort into whole-degree buckets.
    auto bucketOf = [](double lat, double lon) {
        return clampIndex(lat + 90, kBucketRows) * kBucketCols + clampIndex(lon + 180, kBucketCols);
    };
    m_bucketStart.assign(kBucketRows * kBucketCols + 1, 0);
    for (const Entry &e : places) ++m_bucketStart[static_cast<std::size_t>(bucketOf(e.latitude, e.longitude)) + 1];
    for (std::size_t i = 1; i < m_bucketStart.size(); ++i) m_bucketStart[i] += m_bucketStart[i - 1];
    m_bucketItems.resize(places.size());
    std::vector<std::uint32_t> fill(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (std::size_t i = 0; i < places.size(); ++i)
        m_bucketItems[fill[static_cast<std::size_t>(bucketOf(places[i].latitude, places[i].longitude))]++] =
            static_cast<std::uint32_t>(i);
    m_places = std::move(places);
    return !m_places.empty();
}

bool ReverseGeocoder::loadZones(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray compressed = file.readAll();
    m_dataSize += compressed.size();
    const QByteArray bytes = qUncompress(compressed);
    if (bytes.isEmpty()) return false;

    Reader in(bytes);
    if (in.bytes(4) != "LFTZ" || in.u32() != 1) return false;
    const std::uint32_t cols = in.u32(), rows = in.u32(), sub = in.u32();
    const std::uint32_t zoneCount = in.u32(), runCount = in.u32(), refinedCount = in.u32();
    if (!in.ok() || cols == 0 || rows == 0 || sub == 0 || cols > 0xFFFF || zoneCount >= kRefined) return false;

    std::vector<QString> zones;
    for (std::uint32_t i = 0; i < zoneCount && in.ok(); ++i) zones.push_back(QString::fromUtf8(in.bytes(in.u8())));
    std::vector<std::uint32_t> rowStart(rows + 1);
    for (auto &v : rowStart) v = in.u32();
    std::vector<std::uint16_t> runs(std::size_t{runCount} * 2);
    for (auto &v : runs) v = in.u16();
    std::vector<std::uint32_t> refinedCells(refinedCount);
    for (auto &v : refinedCells) v = in.u32();
    std::vector<std::uint16_t> samples(std::size_t{refinedCount} * sub * sub);
    for (auto &v : samples) v = in.u16();
    if (!in.ok() || !in.atEnd()) return false;

    // Validate once so lookups need no checks.
    for (std::uint32_t r = 0; r < rows; ++r) {
        if (rowStart[r] >= rowStart[r + 1] || rowStart[r + 1] > runCount || runs[2 * rowStart[r]] != 0) return false;
    }
    for (std::size_t i = 0; i < runCount; ++i) {
        if (runs[2 * i + 1] >= zoneCount && runs[2 * i + 1] != kRefined) return false;
    }
    for (std::uint16_t z : samples) {
        if (z >= zoneCount) return false;
    }
    if (!std::is_sorted(refinedCells.begin(), refinedCells.end())) return false;

    m_zones = std::move(zones);
    m_cols = cols;
    m_rows = rows;
    m_sub = sub;
    m_rowStart = std::move(rowStart);
    m_runs = std::move(runs);
    m_refinedCells = std::move(refinedCells);
    m_refinedSamples = std::move(samples);
    return true;
}

QString ReverseGeocoder::nauticalZone(double longitude) {
    const int n = static_cast<int>(std::lround(longitude / 15.0));
    if (n == 0) return QStringLiteral("Etc/GMT");
    // POSIX-style names: the sign is inverted, so east of Greenwich is GMT-N.
    return QStringLiteral("Etc/GMT%1%2").arg(n > 0 ? QLatin1Char('-') : QLatin1Char('+')).arg(std::abs(n));
}

QString ReverseGeocoder::zoneAt(double latitude, double longitude) const {
    if (!m_zonesLoaded) return nauticalZone(longitude);
    const int fineRows = static_cast<int>(m_rows * m_sub), fineCols = static_cast<int>(m_cols * m_sub);
    const int fr = clampIndex((90.0 - latitude) * fineRows / 180.0, fineRows);
    const int fc = clampIndex((longitude + 180.0) * fineCols / 360.0, fineCols);
    const int sub = static_cast<int>(m_sub);
    const std::uint32_t row = static_cast<std::uint32_t>(fr / sub), col = static_cast<std::uint32_t>(fc / sub);

    // Last run in the row that starts at or before col.
    std::uint32_t lo = m_rowStart[row], hi = m_rowStart[row + 1];
    while (hi - lo > 1) {
        const std::uint32_t mid = lo + (hi - lo) / 2;
        if (m_runs[2 * mid] <= col) lo = mid;
        else hi = mid;
    }
    std::uint16_t zone = m_runs[2 * lo + 1];
    if (zone == kRefined) {
        const std::uint32_t cell = row * m_cols + col;
        const auto it = std::lower_bound(m_refinedCells.begin(), m_refinedCells.end(), cell);
        if (it == m_refinedCells.end() || *it != cell) return nauticalZone(longitude);
        const std::size_t index = static_cast<std::size_t>(it - m_refinedCells.begin());
        zone = m_refinedSamples[index * m_sub * m_sub + static_cast<std::size_t>((fr % sub) * sub + fc % sub)];
    }
    const QString &name = m_zones[zone];
    return name.isEmpty() ? nauticalZone(longitude) : name;
}

const ReverseGeocoder::Entry *ReverseGeocoder::nearest(double latitude, double longitude) const {
    if (!m_placesLoaded) return nullptr;
    // Buckets that can hold a place within the cut-off: a degree of latitude is ~111 km everywhere,
    // a degree of longitude shrinks with cos(latitude).
    const double reachLat = kMaxPlaceDistanceKm / 111.0 + 0.01;
    const int r0 = clampIndex(latitude - reachLat + 90, kBucketRows);
    const int r1 = clampIndex(latitude + reachLat + 90, kBucketRows);
    const double maxAbsLat = std::min(90.0, std::abs(latitude) + reachLat);
    const double cosLat = std::cos(radians(maxAbsLat));
    const double reachLon = cosLat > 1e-6 ? reachLat / cosLat : 360.0;
    int cols = kBucketCols, c0 = 0;
    if (reachLon < 179.0) {
        c0 = static_cast<int>(std::floor(longitude - reachLon + 180));
        cols = static_cast<int>(std::floor(longitude + reachLon + 180)) - c0 + 1;
        cols = std::min(cols, kBucketCols);
    }

    const Entry *best = nullptr;
    double bestKm = kMaxPlaceDistanceKm;
    for (int r = r0; r <= r1; ++r) {
        for (int k = 0; k < cols; ++k) {
            const int c = ((c0 + k) % kBucketCols + kBucketCols) % kBucketCols; // wraps at the antimeridian
            const std::size_t bucket = static_cast<std::size_t>(r * kBucketCols + c);
            for (std::uint32_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
                const Entry &e = m_places[m_bucketItems[i]];
                const double km = distanceKm(latitude, longitude, e.latitude, e.longitude);
                if (km <= bestKm) {
                    bestKm = km;
                    best = &e;
                }
            }
        }
    }
    return best;
}

std::optional<ReverseGeocoder::Place> ReverseGeocoder::lookup(double latitude, double longitude) const {
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90 || std::abs(longitude) > 180)
        return std::nullopt;
    if (longitude >= 180.0) longitude = -180.0;

    Place place;
    place.timeZone = zoneAt(latitude, longitude);
    if (const Entry *e = nearest(latitude, longitude)) {
        auto text = [](const QString &s) { return s.isEmpty() ? std::nullopt : std::optional<QString>(s); };
        place.locality = text(e->locality);
        place.adminArea = text(e->adminArea);
        place.country = text(e->country);
    }
    return place;
}

} // namespace lunafold
