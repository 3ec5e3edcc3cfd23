// SPDX-License-Identifier: MIT
// The CPU twin of shaders/moonKernels.comp: same formulas, same order, in float.
#include "MoonRendering/MoonShading.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace lunafold {
namespace {

constexpr float kPi = 3.14159265358979f;

struct Vec3 {
    float x, y, z;
};
Vec3 operator*(float s, Vec3 v) { return {s * v.x, s * v.y, s * v.z}; }
Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalize(Vec3 v) { return (1.0f / std::sqrt(dot(v, v))) * v; }

float smoothstep(float e0, float e1, float x) {
    const float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float lommelSeeliger(float mu0, float mu) { return 2.0f * mu0 / std::max(mu0 + mu, 1e-4f); }

float shoulder(float c) {
    const float over = std::max(c - 0.8f, 0.0f);
    return std::min(c, 0.8f) + 0.2f * (1.0f - std::exp(-over / 0.2f));
}

float encodeSrgb(float c) {
    c = std::clamp(c, 0.0f, 1.0f);
    return c <= 0.0031308f ? c * 12.92f : 1.055f * std::pow(c, 1.0f / 2.4f) - 0.055f;
}

uchar toByte(float v) { return static_cast<uchar>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

struct Rgb {
    float r, g, b;
};

Rgb shade(const SurfaceTextures &tex, const MoonShadeParams &p, Vec3 nrm, float lat, float lon, float lod,
          float mu) {
    const bool mirror = p.mirror > 0.5f;
    const float lonTex = mirror ? -lon : lon;
    const float u = 0.5f + lonTex / (2.0f * kPi), v = 0.5f - lat / kPi;
    const auto albedo = tex.albedo.sample(u, v, lod);
    const auto n = tex.normal.sample(u, v, lod);
    const Vec3 t{n[0] * 2.0f - 1.0f, n[1] * 2.0f - 1.0f, n[2] * 2.0f - 1.0f};

    const float sinLat = std::sin(lat), cosLat = std::cos(lat), sinLon = std::sin(lon), cosLon = std::cos(lon);
    const Vec3 east{cosLon, 0.0f, -sinLon};
    const Vec3 north{-sinLat * sinLon, cosLat, -sinLat * cosLon};
    const float tEast = mirror ? -t.x : t.x;
    const Vec3 bumped = normalize(tEast * east + t.y * north + t.z * nrm);

    const Vec3 light{p.lightX, p.lightY, p.lightZ};
    const float day = smoothstep(-0.04f, 0.04f, dot(nrm, light));
    const float sun = lommelSeeliger(std::max(dot(bumped, light), 0.0f), mu) * day;
    const float earth = p.shadeConstantA * (1.0f + p.fractionTerm) * lommelSeeliger(std::max(bumped.z, 0.0f), mu);
    const float lit = std::exp2(p.shadeConstantB) * sun + earth;
    return {encodeSrgb(shoulder(albedo[0] * lit)), encodeSrgb(shoulder(albedo[1] * lit)),
            encodeSrgb(shoulder(albedo[2] * lit))};
}

} // namespace

std::optional<SurfaceTextures> loadSurfaceTextures(const QString &directory) {
    const QDir dir(directory);
    const QImage albedo(dir.filePath(QStringLiteral("moon_albedo.png")));
    const QImage normal(dir.filePath(QStringLiteral("moon_normal.png")));
    if (albedo.isNull() || normal.isNull())
        return std::nullopt;
    return SurfaceTextures{MipChain::build(albedo, true), MipChain::build(normal, false)};
}

namespace MoonShading {

QImage shadeSphere(const SurfaceTextures &tex, int size, const MoonShadeParams &p) {
    if (size < 1)
        return {};
    QImage out(size, size, QImage::Format_RGBA8888_Premultiplied);
    const float n = static_cast<float>(size);
    const float texW = static_cast<float>(tex.albedo.size().width());
    const float texH = static_cast<float>(tex.albedo.size().height());
    const float perRadianU = texW / (2.0f * kPi), perRadianV = texH / kPi;
    const float pixelStep = 2.0f / n;
    for (int py = 0; py < size; ++py) {
        uchar *row = out.scanLine(py);
        for (int px = 0; px < size; ++px) {
            float qx = (static_cast<float>(px) + 0.5f) * 2.0f / n - 1.0f;
            float qy = 1.0f - (static_cast<float>(py) + 0.5f) * 2.0f / n;
            const float r = std::sqrt(qx * qx + qy * qy);
            const float coverage = std::clamp((1.0f - r) * n * 0.5f + 0.5f, 0.0f, 1.0f);
            uchar *o = row + 4 * px;
            if (coverage <= 0.0f) {
                o[0] = o[1] = o[2] = o[3] = 0;
                continue;
            }
            if (r > 0.9999f) {
                qx *= 0.9999f / r;
                qy *= 0.9999f / r;
            }
            const Vec3 nrm{qx, qy, std::sqrt(std::max(1.0f - (qx * qx + qy * qy), 0.0f))};
            const float lat = std::asin(nrm.y);
            const float lon = std::atan2(nrm.x, nrm.z);

            const float z = std::max(nrm.z, 1e-3f);
            const float alongX = perRadianU * pixelStep / z;
            const float du =
                perRadianU * pixelStep * std::abs(nrm.x * nrm.y) / (z * std::max(nrm.x * nrm.x + z * z, 1e-6f));
            const float dv = perRadianV * pixelStep / std::sqrt(std::max(1.0f - nrm.y * nrm.y, 1e-6f));
            const float alongY = std::sqrt(du * du + dv * dv);
            const float lod = std::max(0.5f * std::log2(std::max(alongX * alongY, 1e-12f)), 0.0f);

            const Rgb c = shade(tex, p, nrm, lat, lon, lod, nrm.z);
            o[0] = toByte(c.r * coverage);
            o[1] = toByte(c.g * coverage);
            o[2] = toByte(c.b * coverage);
            o[3] = toByte(coverage);
        }
    }
    return out;
}

QImage bakeEquirect(const SurfaceTextures &tex, int width, const MoonShadeParams &p) {
    if (width < 2)
        return {};
    const int height = width / 2;
    QImage out(width, height, QImage::Format_RGBA8888_Premultiplied);
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float lod = std::max(std::log2(static_cast<float>(tex.albedo.size().width()) / w), 0.0f);
    for (int py = 0; py < height; ++py) {
        uchar *row = out.scanLine(py);
        for (int px = 0; px < width; ++px) {
            const float lon = ((static_cast<float>(px) + 0.5f) / w - 0.5f) * 2.0f * kPi;
            const float lat = (0.5f - (static_cast<float>(py) + 0.5f) / h) * kPi;
            const Vec3 nrm{std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
            const Rgb c = shade(tex, p, nrm, lat, lon, lod, 1.0f);
            uchar *o = row + 4 * px;
            o[0] = toByte(c.r);
            o[1] = toByte(c.g);
            o[2] = toByte(c.b);
            o[3] = 255;
        }
    }
    return out;
}

} // namespace MoonShading
} // namespace lunafold
