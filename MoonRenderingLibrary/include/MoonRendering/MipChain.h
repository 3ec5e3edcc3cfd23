// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <array>
#include <vector>

namespace lunafold {

/// A texture with its mipmap levels, exactly as the renderer uploads them, and a CPU sampler that
/// filters as a GPU sampler does. Both paths therefore read the same bytes.
class MipChain {
  public:
    MipChain() = default;
    /// Levels down to 1 × 1, each a 2 × 2 box average of the one above (in linear light when
    /// @p srgb, so dark maria do not bleed into bright highlands), stored as 8-bit RGBA.
    static MipChain build(const QImage &image, bool srgb);

    bool isNull() const { return m_levels.empty(); }
    bool isSrgb() const { return m_srgb; }
    int levelCount() const { return static_cast<int>(m_levels.size()); }
    /// Format_RGBA8888.
    const QImage &level(int i) const { return m_levels[static_cast<std::size_t>(i)]; }
    QSize size() const { return isNull() ? QSize() : m_levels.front().size(); }

    /// Level @p i as the sampler sees it, linear RGBA in half floats (8 bytes a texel, rows from the
    /// top): what the GPU textures are made of.
    QByteArray linearHalfFloats(int i) const;

    /// Trilinear sample at texture coordinates (u, v) and level of detail @p lod: u repeats, v clamps
    /// to the edge, texel centres at half-integers; sRGB texels are decoded before filtering.
    /// @return linear RGBA, 0…1
    std::array<float, 4> sample(float u, float v, float lod) const;

  private:
    std::array<float, 4> sampleLevel(int level, float u, float v) const;

    std::vector<QImage> m_levels;
    bool m_srgb = false;
};

} // namespace lunafold
