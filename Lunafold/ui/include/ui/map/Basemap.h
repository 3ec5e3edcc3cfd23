// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QPainterPath>
#include <QString>

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace lunafold {

/// The offline world map (resources/basemap/world.bin, built by tools/basemap): land, country
/// borders, lakes, rivers and state or province borders in unit Web Mercator coordinates, simplified for a
/// few zoom bands and cut into square tiles. Tiles are decoded on first use and kept; all calls are
/// thread-safe.
class Basemap {
  public:
    struct Tile {
        QPainterPath land;    ///< closed rings, odd-even fill
        QPainterPath coast;   ///< land's and lakes' outlines without the cuts along the tile's edges
        QPainterPath borders; ///< lines between countries
        QPainterPath lakes;   ///< closed rings, odd-even fill (islands are holes)
        QPainterPath rivers;
        QPainterPath admin; ///< lines between states or provinces of one country
    };

    /// $LUNAFOLD_BASEMAP_DIR, else share/lunafold/basemap (see resourceDirectory).
    static QString defaultDirectory();

    /// Reads the file as tools/basemap writes it (zlib with qCompress framing).
    explicit Basemap(const QByteArray &file);
    static std::unique_ptr<Basemap> fromDirectory(const QString &directory);

    bool isLoaded() const { return !m_levels.empty(); }
    int levelCount() const { return static_cast<int>(m_levels.size()); }
    /// The most detailed level meant for @p zoom; 0 for zooms below the first band.
    int levelFor(double zoom) const;
    double minZoom(int level) const { return m_levels.at(level).minZoom; }
    /// Tiles per side of the world at @p level.
    int gridSize(int level) const { return m_levels.at(level).grid; }
    /// nullptr where the tile has nothing (open sea) or is outside the grid.
    const Tile *tile(int level, int column, int row) const;
    /// The tile with its lines simplified for drawing at @p pixelsPerUnit device pixels per unit of
    /// the world: off the line by at most about half a pixel, with fewer points when zoomed out
    /// below the level's own detail. Kept per half step of zoom.
    const Tile *tile(int level, int column, int row, double pixelsPerUnit) const;

  private:
    struct Entry {
        quint32 offset, length;
    };
    struct Level {
        double minZoom;
        int grid;
        std::unordered_map<quint32, Entry> entries; // row * grid + column
    };

    bool parse();
    /// Points off the line by less than @p tolerance (tile-local units) are dropped; 0 keeps all.
    std::unique_ptr<Tile> decode(const Level &level, int column, int row, const Entry &entry,
                                 double tolerance = 0.0) const;

    QByteArray m_data; // decompressed
    quint32 m_version = 0;
    std::vector<Level> m_levels;
    mutable std::mutex m_mutex;
    mutable std::unordered_map<quint64, std::unique_ptr<Tile>> m_tiles;
    // By tile and zoom step; null where simplifying saved too little to be worth keeping.
    mutable std::unordered_map<quint64, std::unique_ptr<Tile>> m_simplified;
};

} // namespace lunafold
