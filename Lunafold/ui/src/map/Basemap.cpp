// SPDX-License-Identifier: MIT
#include "ui/map/Basemap.h"

#include "common/ResourcePaths.h"

#include <QFile>
#include <QtEndian>

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

} // namespace

const Basemap *Basemap::shared() {
    static const std::unique_ptr<Basemap> map = fromDirectory(defaultDirectory());
    return map.get();
}

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
    const quint32 version = r.u32(), levels = r.u32();
    if (version != 1 || levels == 0 || levels > 16)
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

std::unique_ptr<Basemap::Tile> Basemap::decode(const Level &level, int column, int row,
                                               const Entry &entry) const {
    auto tile = std::make_unique<Tile>();
    tile->land.setFillRule(Qt::OddEvenFill);
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

    const quint32 rings = r.varint();
    for (quint32 i = 0; i < rings && readPoints(); ++i) {
        if (local.size() < 3)
            continue;
        tile->land.moveTo(world(local[0]));
        for (std::size_t k = 1; k < local.size(); ++k)
            tile->land.lineTo(world(local[k]));
        tile->land.closeSubpath();
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
    const quint32 lines = r.varint();
    for (quint32 i = 0; i < lines && readPoints(); ++i) {
        if (local.size() < 2)
            continue;
        tile->borders.moveTo(world(local[0]));
        for (std::size_t k = 1; k < local.size(); ++k)
            tile->borders.lineTo(world(local[k]));
    }
    if (!r.ok())
        return std::make_unique<Tile>(); // a damaged tile draws as sea
    return tile;
}

} // namespace lunafold
