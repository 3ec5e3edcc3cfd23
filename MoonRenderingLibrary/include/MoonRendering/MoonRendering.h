// SPDX-License-Identifier: MIT
#pragma once

#include "MoonRendering/MoonShadeParams.h"
#include "astronomy/Instant.h"

#include <QImage>

#include <optional>
#include <utility>

namespace lunafold::MoonRendering {

/// Constants the entry points hand to the kernels (shaders/moonKernels.comp).
inline constexpr float kShadeConstantA = 0.03f; ///< earthshine
inline constexpr float kShadeConstantB = 1.25f; ///< exposure, stops

struct LightParameters {
    LightDirection light; ///< towards the Sun: x right, y up, z towards the viewer; unit length
    float fractionTerm;   ///< 0.22 × (1 − illuminated fraction)
};

/// The light for an illuminated fraction @p fraction (0…1): c = 2f − 1 (clamped), θ = arccos c, light
/// (±sin θ, 0, c), from the right while waxing and from the left while waning.
LightParameters lightParametersFor(double fraction, bool waning);
/// The same for the Moon at @p date (AstroInterface's fraction and waning flag).
LightParameters lightParameters(Instant date);

/// The square moon picture, side = min(width, height) pixels, Format_ARGB32_Premultiplied: the GPU
/// sphere, or else the flat photograph with its shadow at 70 %.
/// @param orientToSky true: turned as the Moon stands in the sky at the place (zenith up): ±90° for
///                    waning/waxing, less the bright limb's position angle, plus the parallactic
///                    angle; false: upside down when @p latitude is below 0, else upright
/// @param latitude    degrees, north positive; absent counts as 0 for the parallactic angle
/// @param longitude   degrees, east positive; absent counts as 0
/// @return a null image when either size is below 1
QImage moonImage(Instant date, bool orientToSky, std::optional<double> latitude,
                 std::optional<double> longitude, int width, int height);

/// The moon at referenceDate(), turned by −20°: a decorative sample.
QImage sampleMoonImage(int width, int height);

/// The rotation moonImage applies, radians, positive clockwise on screen.
double pictureRotation(Instant date, bool orientToSky, std::optional<double> latitude,
                       std::optional<double> longitude);

/// The flat pair for @p date, both side × side pixels: the base, "moontransparent" drawn into a
/// transparent square (std::nullopt when it cannot be drawn), and MoonRenderer's shadow mask.
std::pair<std::optional<QImage>, QImage> flatMoonImages(Instant date, int side);

/// 2023-05-25 00:00 UTC, parsed once from "2023/05/25 00:00"; the present instant if that fails.
Instant referenceDate();

} // namespace lunafold::MoonRendering
