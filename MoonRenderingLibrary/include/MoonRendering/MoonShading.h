// SPDX-License-Identifier: MIT
#pragma once

#include "MoonRendering/MipChain.h"
#include "MoonRendering/MoonShadeParams.h"

#include <QImage>
#include <QString>

#include <optional>

namespace lunafold {

/// The moon's two surface maps: colour "moon_albedo" (sRGB) and normals "moon_normal" (tangent space:
/// x east, y north, z up), equirectangular, near side centred, north up.
struct SurfaceTextures {
    MipChain albedo;
    MipChain normal;
};

/// Reads moon_albedo.png and moon_normal.png from @p directory (a resource path such as
/// ":/MoonRenderingLibrary" or a folder); std::nullopt unless both load.
std::optional<SurfaceTextures> loadSurfaceTextures(const QString &directory);

/// The CPU twin of the GPU kernels (shaders/moonKernels.comp), pixel for pixel up to filtering and
/// rounding: the reference for the GPU and for the app's CPU fallback (CpuSphereShader, which shares
/// its formulas), and the asset tool's shading. One core, every pixel from scratch.
namespace MoonShading {

/// The sphere seen face-on, @p size × @p size, premultiplied, transparent outside the disc.
/// @return Format_RGBA8888_Premultiplied; null for a size below 1
QImage shadeSphere(const SurfaceTextures &textures, int size, const MoonShadeParams &params);

/// The same shading over longitude −180…180° and latitude 90…−90°, @p width × (@p width ÷ 2), opaque.
/// @return Format_RGBA8888_Premultiplied; null for a width below 2
QImage bakeEquirect(const SurfaceTextures &textures, int width, const MoonShadeParams &params);

} // namespace MoonShading
} // namespace lunafold
