// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

/// A tangent-space normal map (x east, y north, z up, each stored as (v + 1) / 2) from an
/// equirectangular albedo map read as a height field: brighter is higher.
/// @param relief height, in moon radii, of a step from black to white in the albedo
QImage normalMapFromAlbedo(const QImage &albedo, double relief);
