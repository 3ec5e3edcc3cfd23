// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace lunafold {

/// A direction towards the Sun in view space: x right, y up, z towards the viewer. Any length.
using LightDirection = std::array<float, 3>;

/// The uniform block of both moon kernels (shaders/moonKernels.comp says what each value does).
struct MoonShadeParams {
    float lightX = 0.0f; ///< unit light direction
    float lightY = 0.0f;
    float lightZ = 1.0f;
    float shadeConstantA = 0.0f; ///< earthshine
    float mirror = 0.0f;         ///< 1 mirrors the map east–west, else 0
    float shadeConstantB = 0.0f; ///< exposure, stops
    float fractionTerm = 0.0f;   ///< extra earthshine near new moon
    float pad = 0.0f;
};
static_assert(sizeof(MoonShadeParams) == 32, "the kernels read eight packed floats");
static_assert(offsetof(MoonShadeParams, mirror) == 16 && offsetof(MoonShadeParams, fractionTerm) == 24);

/// The record for a light direction, normalised to unit length; std::nullopt when the direction
/// has no length or is not finite.
std::optional<MoonShadeParams> makeShadeParams(LightDirection light, float shadeConstantA,
                                               float shadeConstantB, float fractionTerm,
                                               bool mirrorLongitude);

/// "size|lightX|lightY|lightZ|A|B|fractionTerm|mirror" with 4, then 3 decimals, a point as the
/// decimal separator whatever the locale, and the mirror flag as 0 or 1.
QString sphereCacheKey(int size, const MoonShadeParams &params);
/// The same prefixed with "bake|", with the bake's width in place of the size.
QString bakeCacheKey(int width, const MoonShadeParams &params);

} // namespace lunafold
