// SPDX-License-Identifier: MIT
#pragma once

#include "MoonRendering/MoonShadeParams.h"
#include "MoonRendering/MoonShading.h"

#include <QImage>
#include <QMutex>

#include <memory>
#include <vector>

namespace lunafold {

/// The sphere shaded on the CPU, fast enough to stand in for the GPU kernel where there is no GPU
/// compute. Everything that depends only on the picture's size (normals, the maps' texels, the
/// bumped normals, earthshine's reflectance) is sampled once per size and kept; a picture then costs
/// a few multiplies per pixel in loops the compiler vectorises, spread over the machine's cores.
/// Agrees with MoonShading::shadeSphere within one level of 255 (the final tone curve is tabulated).
///
/// Thread-safe: pictures may be asked for from any thread at once.
class CpuSphereShader {
  public:
    explicit CpuSphereShader(SurfaceTextures textures);
    ~CpuSphereShader();
    CpuSphereShader(const CpuSphereShader &) = delete;
    CpuSphereShader &operator=(const CpuSphereShader &) = delete;

    /// The sphere, @p size × @p size, premultiplied, transparent outside the disc.
    /// @return Format_RGBA8888_Premultiplied; null for a size below 1
    QImage shadeSphere(int size, const MoonShadeParams &params);

    /// The shading over longitude and latitude, as MoonShading::bakeEquirect (not used by the screens).
    QImage bakeEquirect(int width, const MoonShadeParams &params) const;

    /// Sizes whose geometry is kept (the screens use one or two at a time).
    static constexpr int kKeptSizes = 3;
    /// Geometry builds so far: one per size and mirror flag while they stay kept.
    int geometryBuilds() const;

  private:
    struct Geometry;
    std::shared_ptr<const Geometry> geometry(int size, bool mirror);

    SurfaceTextures m_textures;
    mutable QMutex m_lock;                                 // m_recent, m_builds
    std::vector<std::shared_ptr<const Geometry>> m_recent; // most recently used first
    int m_builds = 0;
};

} // namespace lunafold
