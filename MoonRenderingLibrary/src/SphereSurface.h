// SPDX-License-Identifier: MIT
#pragma once
// The pieces of the kernels' shading, in float and in the kernels' order, shared by the CPU twin and
// the CPU sphere shader so both produce the same values. What depends on the light is kept apart
// from what depends only on where a pixel lies on the map.

#include "MoonRendering/MoonShading.h"

#include <algorithm>
#include <cmath>

namespace lunafold::shading {

constexpr float kPi = 3.14159265358979f;

struct Vec3 {
    float x, y, z;
};
inline Vec3 operator*(float s, Vec3 v) {
    return {s * v.x, s * v.y, s * v.z};
}
inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 normalize(Vec3 v) {
    return (1.0f / std::sqrt(dot(v, v))) * v;
}

inline float smoothstep(float e0, float e1, float x) {
    const float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

inline float lommelSeeliger(float mu0, float mu) {
    return 2.0f * mu0 / std::max(mu0 + mu, 1e-4f);
}

inline float shoulder(float c) {
    const float over = std::max(c - 0.8f, 0.0f);
    return std::min(c, 0.8f) + 0.2f * (1.0f - std::exp(-over / 0.2f));
}

inline float encodeSrgb(float c) {
    c = std::clamp(c, 0.0f, 1.0f);
    return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
}

inline uchar toByte(float v) {
    return static_cast<uchar>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

/// A point of the surface as the light sees it: everything the shading needs that does not depend
/// on the light.
struct SurfacePoint {
    Vec3 normal; ///< of the sphere, view space
    Vec3 bumped; ///< with the normal map applied
    float albedo[3];
    float mu; ///< cosine of the emission angle
};

inline SurfacePoint surfacePoint(const SurfaceTextures &tex, bool mirror, Vec3 nrm, float lat, float lon,
                                 float lod, float mu) {
    const float lonTex = mirror ? -lon : lon;
    const float u = 0.5f + lonTex / (2.0f * kPi), v = 0.5f - lat / kPi;
    const auto albedo = tex.albedo.sample(u, v, lod);
    const auto n = tex.normal.sample(u, v, lod);
    const Vec3 t{n[0] * 2.0f - 1.0f, n[1] * 2.0f - 1.0f, n[2] * 2.0f - 1.0f};

    const float sinLat = std::sin(lat), cosLat = std::cos(lat), sinLon = std::sin(lon),
                cosLon = std::cos(lon);
    const Vec3 east{cosLon, 0.0f, -sinLon};
    const Vec3 north{-sinLat * sinLon, cosLat, -sinLat * cosLon};
    const float tEast = mirror ? -t.x : t.x;
    return {nrm, normalize(tEast * east + t.y * north + t.z * nrm), {albedo[0], albedo[1], albedo[2]}, mu};
}

/// Earthshine's reflectance, before its strength: the night side is lit from the viewer.
inline float earthReflectance(const SurfacePoint &s) {
    return lommelSeeliger(std::max(s.bumped.z, 0.0f), s.mu);
}

/// The linear light falling on a point, before the albedo: exposed sunlight plus earthshine.
inline float incomingLight(const SurfacePoint &s, const MoonShadeParams &p) {
    const Vec3 light{p.lightX, p.lightY, p.lightZ};
    // Relief may catch light a little past the terminator, never far into the night.
    const float day = smoothstep(-0.04f, 0.04f, dot(s.normal, light));
    const float sun = lommelSeeliger(std::max(dot(s.bumped, light), 0.0f), s.mu) * day;
    const float earth = p.shadeConstantA * (1.0f + p.fractionTerm) * earthReflectance(s);
    return std::exp2(p.shadeConstantB) * sun + earth;
}

/// The colour a linear value ends as: the soft shoulder, then sRGB encoding.
inline float finish(float linear) {
    return encodeSrgb(shoulder(linear));
}

/// One pixel of the face-on sphere of side @p n: where it falls on the surface and how much of it the
/// disc covers. Returns false for pixels entirely outside the disc.
struct SpherePixel {
    Vec3 normal;
    float lat, lon, lod, coverage;
};

/// How much of pixel (@p px, @p py) the disc covers, 0…1: one pixel of antialiased edge.
inline float sphereCoverage(int px, int py, int size) {
    const float n = static_cast<float>(size);
    const float qx = (static_cast<float>(px) + 0.5f) * 2.0f / n - 1.0f;
    const float qy = 1.0f - (static_cast<float>(py) + 0.5f) * 2.0f / n;
    const float r = std::sqrt(qx * qx + qy * qy);
    return std::clamp((1.0f - r) * n * 0.5f + 0.5f, 0.0f, 1.0f);
}

inline bool spherePixel(int px, int py, int size, float texW, float texH, SpherePixel &out) {
    const float n = static_cast<float>(size);
    float qx = (static_cast<float>(px) + 0.5f) * 2.0f / n - 1.0f;
    float qy = 1.0f - (static_cast<float>(py) + 0.5f) * 2.0f / n;
    const float r = std::sqrt(qx * qx + qy * qy);
    out.coverage = sphereCoverage(px, py, size);
    if (out.coverage <= 0.0f)
        return false;
    // Edge pixels take the colour of the limb.
    if (r > 0.9999f) {
        qx *= 0.9999f / r;
        qy *= 0.9999f / r;
    }
    const Vec3 nrm{qx, qy, std::sqrt(std::max(1.0f - (qx * qx + qy * qy), 0.0f))};
    out.normal = nrm;
    out.lat = std::asin(nrm.y);
    out.lon = std::atan2(nrm.x, nrm.z);

    // Level of detail from the pixel's footprint on the map, the geometric mean of its two axes
    // (the limb is squeezed in one direction only).
    const float perRadianU = texW / (2.0f * kPi), perRadianV = texH / kPi;
    const float pixelStep = 2.0f / n;
    const float z = std::max(nrm.z, 1e-3f);
    const float alongX = perRadianU * pixelStep / z;
    const float du =
        perRadianU * pixelStep * std::abs(nrm.x * nrm.y) / (z * std::max(nrm.x * nrm.x + z * z, 1e-6f));
    const float dv = perRadianV * pixelStep / std::sqrt(std::max(1.0f - nrm.y * nrm.y, 1e-6f));
    const float alongY = std::sqrt(du * du + dv * dv);
    out.lod = std::max(0.5f * std::log2(std::max(alongX * alongY, 1e-12f)), 0.0f);
    return true;
}

} // namespace lunafold::shading
