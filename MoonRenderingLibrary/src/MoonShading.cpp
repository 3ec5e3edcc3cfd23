// SPDX-License-Identifier: MIT
// The CPU twin of shaders/moonKernels.comp: same formulas, same order, in float.
#include "MoonRendering/MoonShading.h"

#include "SphereSurface.h"

#include <QDir>

namespace lunafold {
namespace {

using namespace shading;

struct Rgb {
    float r, g, b;
};

Rgb shade(const SurfaceTextures &tex, const MoonShadeParams &p, Vec3 nrm, float lat, float lon, float lod,
          float mu) {
    const SurfacePoint s = surfacePoint(tex, p.mirror > 0.5f, nrm, lat, lon, lod, mu);
    const float lit = incomingLight(s, p);
    return {finish(s.albedo[0] * lit), finish(s.albedo[1] * lit), finish(s.albedo[2] * lit)};
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
    const float texW = static_cast<float>(tex.albedo.size().width());
    const float texH = static_cast<float>(tex.albedo.size().height());
    for (int py = 0; py < size; ++py) {
        uchar *row = out.scanLine(py);
        for (int px = 0; px < size; ++px) {
            uchar *o = row + 4 * px;
            SpherePixel q{};
            if (!spherePixel(px, py, size, texW, texH, q)) {
                o[0] = o[1] = o[2] = o[3] = 0;
                continue;
            }
            const Rgb c = shade(tex, p, q.normal, q.lat, q.lon, q.lod, q.normal.z);
            o[0] = toByte(c.r * q.coverage);
            o[1] = toByte(c.g * q.coverage);
            o[2] = toByte(c.b * q.coverage);
            o[3] = toByte(q.coverage);
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
