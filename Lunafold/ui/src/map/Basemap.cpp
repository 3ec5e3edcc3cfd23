// SPDX-License-Identifier: MIT
#include "ui/map/Basemap.h"

#include "common/ResourcePaths.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lunafold {
namespace {

constexpr quint32 kMaxLocal = 65535; // tile-local coordinates run from 0 to this, edge to edge
constexpr int kMaxGrid = 4096;

// A bounds-checked reader of the file's little-endian words and LEB128 varints.
class Reader {
  public:
    Reader(const QByteArray &data, qsizetype begin, qsizetype end) : m_data(data), m_pos(begin), m_end(end) {}
    bool ok() const { return m_ok; }
    quint32 u32() { return fixed<quint32>(); }
    quint16 u16() { return fixed<quint16>(); }
    float f32() {
        const quint32 bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    quint32 varint() {
        quint64 value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            if (m_pos >= m_end)
                break;
            const auto byte = static_cast<quint8>(m_data[m_pos++]);
            value |= quint64(byte & 0x7f) << shift;
            if (!(byte & 0x80))
                return value <= 0xffffffffu ? static_cast<quint32>(value) : fail();
        }
        return fail();
    }
    qint32 zigzag() {
        const quint32 v = varint();
        return static_cast<qint32>(v >> 1) ^ -static_cast<qint32>(v & 1);
    }

  private:
    template <typename T> T fixed() {
        if (m_end - m_pos < qsizetype(sizeof(T)))
            return static_cast<T>(fail());
        const T value = qFromLittleEndian<T>(m_data.constData() + m_pos);
        m_pos += sizeof(T);
        return value;
    }
    quint32 fail() {
        m_ok = false;
        m_pos = m_end;
        return 0;
    }

    const QByteArray &m_data;
    qsizetype m_pos, m_end;
    bool m_ok = true;
};

// Douglas–Peucker over points[first..last]: marks in @p keep those needed so that no point
// dropped lies further than @p tolerance from the line kept.
void simplifyRun(const std::vector<QPoint> &points, std::size_t first, std::size_t last, double tolerance,
                 std::vector<char> &keep) {
    keep[first] = keep[last] = 1;
    std::vector<std::pair<std::size_t, std::size_t>> runs{{first, last}};
    while (!runs.empty()) {
        const auto [a, b] = runs.back();
        runs.pop_back();
        const QPointF from = points[a], to = points[b];
        const double dx = to.x() - from.x(), dy = to.y() - from.y(), length = std::hypot(dx, dy);
        double farthest = 0;
        std::size_t at = a;
        for (std::size_t i = a + 1; i < b; ++i) {
            const double ox = points[i].x() - from.x(), oy = points[i].y() - from.y();
            const double d = length > 0 ? std::abs(ox * dy - oy * dx) / length : std::hypot(ox, oy);
            if (d > farthest) {
                farthest = d;
                at = i;
            }
        }
        if (farthest > tolerance) {
            keep[at] = 1;
            runs.push_back({a, at});
            runs.push_back({at, b});
        }
    }
}

std::vector<QPoint> kept(const std::vector<QPoint> &points, const std::vector<char> &keep) {
    std::vector<QPoint> out;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i])
            out.push_back(points[i]);
    return out;
}

} // namespace

QString Basemap::defaultDirectory() {
    return resourceDirectory(QStringLiteral("basemap"), "LUNAFOLD_BASEMAP_DIR");
}

std::unique_ptr<Basemap> Basemap::fromDirectory(const QString &directory) {
    QFile file(directory + QStringLiteral("/world.bin"));
    return std::make_unique<Basemap>(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

Basemap::Basemap(const QByteArray &file) {
    if (file.size() < 8)
        return;
    m_data = qUncompress(file);
    if (!parse()) {
        m_levels.clear();
        m_data.clear();
    }
}

bool Basemap::parse() {
    Reader r(m_data, 0, m_data.size());
    if (!m_data.startsWith("LFBM"))
        return false;
    r.u32();
    m_version = r.u32();
    const quint32 levels = r.u32();
    // Version 1 files have land and country borders only.
    if (m_version < 1 || m_version > 2 || levels == 0 || levels > 16)
        return false;
    std::vector<quint32> counts;
    for (quint32 i = 0; i < levels; ++i) {
        const double minZoom = r.f32();
        const quint32 grid = r.u32(), count = r.u32();
        if (!r.ok() || grid == 0 || grid > kMaxGrid || count > grid * grid)
            return false;
        m_levels.push_back({minZoom, static_cast<int>(grid), {}});
        counts.push_back(count);
    }
    for (quint32 i = 0; i < levels; ++i) {
        Level &level = m_levels[i];
        for (quint32 t = 0; t < counts[i]; ++t) {
            const quint32 column = r.u16(), row = r.u16(), offset = r.u32(), length = r.u32();
            if (!r.ok() || column >= quint32(level.grid) || row >= quint32(level.grid) ||
                qsizetype(offset) + qsizetype(length) > m_data.size())
                return false;
            level.entries[row * level.grid + column] = {offset, length};
        }
    }
    return r.ok();
}

int Basemap::levelFor(double zoom) const {
    int best = 0;
    for (int i = 0; i < levelCount(); ++i)
        if (m_levels[i].minZoom <= zoom)
            best = i;
    return best;
}

const Basemap::Tile *Basemap::tile(int level, int column, int row) const {
    if (level < 0 || level >= levelCount())
        return nullptr;
    const Level &l = m_levels[level];
    if (column < 0 || row < 0 || column >= l.grid || row >= l.grid)
        return nullptr;
    const auto entry = l.entries.find(quint32(row * l.grid + column));
    if (entry == l.entries.end())
        return nullptr;
    const quint64 key = (quint64(level) << 32) | entry->first;
    std::lock_guard lock(m_mutex);
    auto &cached = m_tiles[key];
    if (!cached)
        cached = decode(l, column, row, entry->second);
    return cached.get();
}

const Basemap::Tile *Basemap::tile(int level, int column, int row, double pixelsPerUnit) const {
    const Tile *full = tile(level, column, row);
    if (!full || !(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit))
        return full;
    // Half steps of zoom: drawn at up to √2 times the step's scale, a point dropped at half a
    // pixel's tolerance is never more than 0.71 pixels off.
    const int step = std::clamp(int(std::floor(2 * std::log2(pixelsPerUnit))), 0, 255);
    const Level &l = m_levels[level];
    const double tolerance = 0.5 / std::exp2(step / 2.0) * l.grid * kMaxLocal;
    if (tolerance < 2.0) // finer than the file's own steps
        return full;
    const quint32 index = quint32(row * l.grid + column);
    const quint64 key = (quint64(level) << 40) | (quint64(step) << 32) | index;
    std::lock_guard lock(m_mutex);
    const auto found = m_simplified.find(key);
    if (found != m_simplified.end())
        return found->second ? found->second.get() : full;
    auto simplified = decode(l, column, row, l.entries.at(index), tolerance);
    const auto points = [](const Tile &t) {
        return t.land.elementCount() + t.borders.elementCount() + t.lakes.elementCount() +
               t.rivers.elementCount() + t.admin.elementCount();
    };
    if (points(*simplified) > points(*full) * 0.85) // not worth a second copy
        simplified.reset();
    const Tile *result = simplified ? simplified.get() : full;
    m_simplified.emplace(key, std::move(simplified));
    return result;
}

std::unique_ptr<Basemap::Tile> Basemap::decode(const Level &level, int column, int row, const Entry &entry,
                                               double tolerance) const {
    auto tile = std::make_unique<Tile>();
    tile->land.setFillRule(Qt::OddEvenFill);
    tile->lakes.setFillRule(Qt::OddEvenFill);
    Reader r(m_data, entry.offset, qsizetype(entry.offset) + entry.length);
    const double size = 1.0 / level.grid;
    const double x0 = column * size, y0 = row * size, unit = size / kMaxLocal;
    std::vector<QPoint> local;
    const auto readPoints = [&] {
        local.clear();
        const quint32 n = r.varint();
        qint32 x = 0, y = 0;
        for (quint32 i = 0; i < n && r.ok(); ++i) {
            x += r.zigzag();
            y += r.zigzag();
            local.emplace_back(x, y);
        }
        return r.ok();
    };
    const auto world = [&](const QPoint &p) { return QPointF(x0 + p.x() * unit, y0 + p.y() * unit); };
    // A segment lying on one of the tile's edges is where a ring was cut, not a coast.
    const auto onEdge = [](const QPoint &a, const QPoint &b) {
        return (a.x() == b.x() && (a.x() == 0 || a.x() == int(kMaxLocal))) ||
               (a.y() == b.y() && (a.y() == 0 || a.y() == int(kMaxLocal)));
    };

    std::vector<char> keep;
    // Rings keep their cuts along the tile's edges as they are, so that the coast stays where
    // it was; the runs between cuts, or a whole uncut ring, are simplified.
    const auto simplifyRing = [&] {
        const std::size_t n = local.size();
        std::vector<std::size_t> anchors;
        for (std::size_t k = 0; k < n; ++k)
            if (onEdge(local[k], local[(k + 1) % n]) || onEdge(local[(k + n - 1) % n], local[k]))
                anchors.push_back(k);
        if (anchors.empty()) {
            const auto distance = [&](std::size_t k) {
                const qint64 dx = local[k].x() - local[0].x(), dy = local[k].y() - local[0].y();
                return dx * dx + dy * dy;
            };
            std::size_t farthest = 0;
            for (std::size_t k = 1; k < n; ++k)
                if (distance(k) > distance(farthest))
                    farthest = k;
            anchors = {0, farthest};
        }
        // Walk the ring once from the first anchor, so that every run is a plain range.
        std::vector<QPoint> ring(local.begin() + anchors[0], local.end());
        ring.insert(ring.end(), local.begin(), local.begin() + anchors[0] + 1);
        keep.assign(ring.size(), 0);
        for (std::size_t a = 0; a < anchors.size(); ++a) {
            const std::size_t from = anchors[a] - anchors[0];
            const std::size_t to = a + 1 < anchors.size() ? anchors[a + 1] - anchors[0] : ring.size() - 1;
            if (to > from)
                simplifyRun(ring, from, to, tolerance, keep);
        }
        ring.pop_back(); // the first point again
        keep.pop_back();
        local = kept(ring, keep);
    };

    const auto readRings = [&](QPainterPath &fill) {
        const quint32 rings = r.varint();
        for (quint32 i = 0; i < rings && readPoints(); ++i) {
            if (tolerance > 0 && local.size() > 3)
                simplifyRing();
            if (local.size() < 3)
                continue;
            fill.moveTo(world(local[0]));
            for (std::size_t k = 1; k < local.size(); ++k)
                fill.lineTo(world(local[k]));
            fill.closeSubpath();
            bool drawing = false;
            for (std::size_t k = 0; k < local.size(); ++k) {
                const QPoint &a = local[k], &b = local[(k + 1) % local.size()];
                if (onEdge(a, b)) {
                    drawing = false;
                    continue;
                }
                if (!drawing)
                    tile->coast.moveTo(world(a));
                tile->coast.lineTo(world(b));
                drawing = true;
            }
        }
    };
    const auto readLines = [&](QPainterPath &path) {
        const quint32 lines = r.varint();
        for (quint32 i = 0; i < lines && readPoints(); ++i) {
            if (tolerance > 0 && local.size() > 2) {
                keep.assign(local.size(), 0);
                simplifyRun(local, 0, local.size() - 1, tolerance, keep);
                local = kept(local, keep);
            }
            if (local.size() < 2)
                continue;
            path.moveTo(world(local[0]));
            for (std::size_t k = 1; k < local.size(); ++k)
                path.lineTo(world(local[k]));
        }
    };
    readRings(tile->land);
    readLines(tile->borders);
    if (m_version >= 2) {
        readRings(tile->lakes);
        readLines(tile->rivers);
        readLines(tile->admin);
    }
    if (!r.ok())
        return std::make_unique<Tile>(); // a damaged tile draws as sea
    return tile;
}

} // namespace lunafold
