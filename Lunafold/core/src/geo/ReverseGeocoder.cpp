// SPDX-License-Identifier: MIT
#include "core/geo/ReverseGeocoder.h"

#include "common/ResourcePaths.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <QtEndian>
#include <QtGlobal>

#include "core/geo/ByteReader.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lunafold {

namespace {

constexpr qsizetype kMaxGridSize = 64 * 1024 * 1024;

int clampIndex(double value, int size) {
    return std::clamp(static_cast<int>(std::floor(value)), 0, size - 1);
}

} // namespace

QString ReverseGeocoder::defaultDirectory() {
    return resourceDirectory(QStringLiteral("geodata"), "LUNAFOLD_GEODATA_DIR");
}

ReverseGeocoder::ReverseGeocoder(const QString &directory) {
    const QDir dir(directory);
    QFile places(dir.filePath(QStringLiteral("places.bin")));
    if (places.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = places.readAll();
        m_places = PlaceIndex(bytes);
        if (!m_places.isLoaded())
            qWarning("ReverseGeocoder: %s: %s", qPrintable(places.fileName()), qPrintable(m_places.error()));
    }
    m_zonesLoaded = loadZones(dir.filePath(QStringLiteral("tzgrid.bin")));
    if (!isLoaded())
        qWarning("ReverseGeocoder: incomplete geodata in %s", qPrintable(directory));
}

bool ReverseGeocoder::loadZones(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray compressed = file.readAll();
    const QByteArray bytes = ByteReader::uncompress(compressed, kMaxGridSize);
    if (bytes.isEmpty())
        return false;

    ByteReader in(bytes);
    if (in.bytes(4) != "LFTZ" || in.u32() != 1)
        return false;
    const std::uint32_t cols = in.u32(), rows = in.u32(), sub = in.u32();
    const std::uint32_t zoneCount = in.u32(), runCount = in.u32(), refinedCount = in.u32();
    // Each count is checked against the bytes present before anything is allocated for it; the
    // grid's sides are bounded so rows * cols * sub * sub stays far from overflow.
    if (!in.ok() || cols == 0 || rows == 0 || sub == 0 || cols > 0xFFFF || rows > 0xFFFF || sub > 64 ||
        zoneCount >= kRefined || !in.fits(zoneCount, 1))
        return false;

    std::vector<QString> zones;
    for (std::uint32_t i = 0; i < zoneCount && in.ok(); ++i)
        zones.push_back(QString::fromUtf8(in.bytes(in.u8())));
    if (!in.fits(std::uint64_t{rows} + 1, 4))
        return false;
    std::vector<std::uint32_t> rowStart(rows + 1);
    for (auto &v : rowStart)
        v = in.u32();
    if (!in.fits(runCount, 4))
        return false;
    std::vector<std::uint16_t> runs(std::size_t{runCount} * 2);
    for (auto &v : runs)
        v = in.u16();
    if (!in.fits(refinedCount, 4 + std::uint64_t{sub} * sub * 2))
        return false;
    std::vector<std::uint32_t> refinedCells(refinedCount);
    for (auto &v : refinedCells)
        v = in.u32();
    std::vector<std::uint16_t> samples(std::size_t{refinedCount} * sub * sub);
    for (auto &v : samples)
        v = in.u16();
    if (!in.ok() || !in.atEnd())
        return false;

    // Validate once so lookups need no checks.
    for (std::uint32_t r = 0; r < rows; ++r) {
        if (rowStart[r] >= rowStart[r + 1] || rowStart[r + 1] > runCount || runs[2 * rowStart[r]] != 0)
            return false;
    }
    for (std::size_t i = 0; i < runCount; ++i) {
        if (runs[2 * i + 1] >= zoneCount && runs[2 * i + 1] != kRefined)
            return false;
    }
    for (std::uint16_t z : samples) {
        if (z >= zoneCount)
            return false;
    }
    if (!std::is_sorted(refinedCells.begin(), refinedCells.end()))
        return false;
    for (std::uint32_t r = 0; r < rows; ++r) {
        for (std::uint32_t i = rowStart[r]; i < rowStart[r + 1]; ++i) {
            if (runs[2 * i] >= cols || (i > rowStart[r] && runs[2 * i] <= runs[2 * i - 2]))
                return false;
            // A refined run must have its cells' samples.
            if (runs[2 * i + 1] == kRefined) {
                const std::uint32_t end = i + 1 < rowStart[r + 1] ? runs[2 * i + 2] : cols;
                for (std::uint32_t c = runs[2 * i]; c < end; ++c)
                    if (!std::binary_search(refinedCells.begin(), refinedCells.end(), r * cols + c))
                        return false;
            }
        }
    }

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
    if (n == 0)
        return QStringLiteral("Etc/GMT");
    // POSIX-style names: the sign is inverted, so east of Greenwich is GMT-N.
    return QStringLiteral("Etc/GMT%1%2").arg(n > 0 ? QLatin1Char('-') : QLatin1Char('+')).arg(std::abs(n));
}

QString ReverseGeocoder::zoneAt(const GeoPoint &point) const {
    const double latitude = point.latitude(), longitude = point.longitude();
    if (!m_zonesLoaded)
        return nauticalZone(longitude);
    const int fineRows = static_cast<int>(m_rows * m_sub), fineCols = static_cast<int>(m_cols * m_sub);
    const int fr = clampIndex((90.0 - latitude) * fineRows / 180.0, fineRows);
    const int fc = clampIndex((longitude + 180.0) * fineCols / 360.0, fineCols);
    const int sub = static_cast<int>(m_sub);
    const std::uint32_t row = static_cast<std::uint32_t>(fr / sub),
                        col = static_cast<std::uint32_t>(fc / sub);

    // Last run in the row that starts at or before col.
    std::uint32_t lo = m_rowStart[row], hi = m_rowStart[row + 1];
    while (hi - lo > 1) {
        const std::uint32_t mid = lo + (hi - lo) / 2;
        if (m_runs[2 * mid] <= col)
            lo = mid;
        else
            hi = mid;
    }
    std::uint16_t zone = m_runs[2 * lo + 1];
    if (zone == kRefined) {
        const std::uint32_t cell = row * m_cols + col;
        const auto it = std::lower_bound(m_refinedCells.begin(), m_refinedCells.end(), cell);
        if (it == m_refinedCells.end() || *it != cell)
            return nauticalZone(longitude);
        const std::size_t index = static_cast<std::size_t>(it - m_refinedCells.begin());
        zone =
            m_refinedSamples[index * m_sub * m_sub + static_cast<std::size_t>((fr % sub) * sub + fc % sub)];
    }
    const QString &name = m_zones[zone];
    return name.isEmpty() ? nauticalZone(longitude) : name;
}

std::optional<ReverseGeocoder::Place> ReverseGeocoder::lookup(const GeoPoint &point,
                                                              QStringView language) const {
    const double latitude = point.latitude(), longitude = point.longitude();
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90 ||
        std::abs(longitude) > 180)
        return std::nullopt;
    // 180° E is 180° W; the grids start at the western edge.
    const GeoPoint at{Longitude(longitude >= 180.0 ? -180.0 : longitude), Latitude(latitude)};

    Place place;
    place.timeZone = zoneAt(at);
    // The locality is the nearest place in the point's own country, never one across a border.
    const int country = m_places.countryOfZone(place.timeZone);
    if (country == PlaceIndex::kNone)
        return place;
    place.country = m_places.countryName(country, language);
    // Near first: the wide search is only needed where no place is near, and costs far more.
    if (const int near = m_places.nearest(at, country, kLocalityKm); near != PlaceIndex::kNone) {
        place.locality = m_places.name(near);
        place.adminArea = m_places.adminArea(near);
    } else if (const int far = m_places.nearest(at, country, kAreaKm); far != PlaceIndex::kNone) {
        place.adminArea = m_places.adminArea(far);
    }
    return place;
}

} // namespace lunafold
