// SPDX-License-Identifier: MIT
// The sphere on the CPU in two steps: the light-independent surface of each size, sampled once,
// then per picture a vectorised pass for the light and a table for the tone curve.
#include "MoonRendering/CpuSphereShader.h"

#include "ParallelRows.h"
#include "SphereSurface.h"

#include <array>
#include <cstring>

namespace lunafold {

using namespace shading;

// Structure of arrays over the pixels the disc covers, row by row, so the light pass runs over
// contiguous floats.
struct CpuSphereShader::Geometry {
    int size = 0;
    bool mirror = false;
    std::vector<int> rowBegin; // index of each row's first covered pixel; size + 1 entries
    std::vector<int> rowFirstX;
    std::vector<float> nx, ny, nz, bx, by, bz, albedoR, albedoG, albedoB, earth, coverage;
};

namespace {

// encodeSrgb(shoulder(x)) for x in [0, kToneMax], linearly interpolated: within 0.01 of a level
// everywhere, where pow and exp per channel would cost more than all the rest of a pixel.
constexpr int kToneSteps = 16384;
constexpr float kToneMax = 4.0f; // the shoulder has reached 1 − 2e-7 by then

const std::array<float, kToneSteps + 2> &toneTable() {
    static const auto table = [] {
        std::array<float, kToneSteps + 2> t{};
        for (int i = 0; i <= kToneSteps + 1; ++i)
            t[std::size_t(i)] = finish(kToneMax * static_cast<float>(i) / kToneSteps);
        return t;
    }();
    return table;
}

inline float tone(const std::array<float, kToneSteps + 2> &table, float x) {
    const float f = x * (kToneSteps / kToneMax);
    if (!(f < kToneSteps)) // also NaN
        return table[kToneSteps];
    const int i = static_cast<int>(f);
    const float a = table[std::size_t(i)], b = table[std::size_t(i) + 1];
    return a + (b - a) * (f - static_cast<float>(i));
}

inline uchar byteOf(float v) {
    return static_cast<uchar>(static_cast<int>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f));
}

} // namespace

CpuSphereShader::CpuSphereShader(SurfaceTextures textures) : m_textures(std::move(textures)) {}

CpuSphereShader::~CpuSphereShader() = default;

int CpuSphereShader::geometryBuilds() const {
    QMutexLocker lock(&m_lock);
    return m_builds;
}

std::shared_ptr<const CpuSphereShader::Geometry> CpuSphereShader::geometry(int size, bool mirror) {
    QMutexLocker lock(&m_lock);
    for (auto it = m_recent.begin(); it != m_recent.end(); ++it) {
        if ((*it)->size == size && (*it)->mirror == mirror) {
            std::rotate(m_recent.begin(), it, it + 1);
            return m_recent.front();
        }
    }
    auto g = std::make_shared<Geometry>();
    g->size = size;
    g->mirror = mirror;
    g->rowBegin.resize(std::size_t(size) + 1);
    g->rowFirstX.resize(std::size_t(size));
    const float texW = static_cast<float>(m_textures.albedo.size().width());
    const float texH = static_cast<float>(m_textures.albedo.size().height());
    // The covered pixels of a row are one run.
    int count = 0;
    for (int py = 0; py < size; ++py) {
        g->rowBegin[std::size_t(py)] = count;
        int first = 0, last = size - 1;
        while (first < size && sphereCoverage(first, py, size) <= 0.0f)
            ++first;
        while (last > first && sphereCoverage(last, py, size) <= 0.0f)
            --last;
        g->rowFirstX[std::size_t(py)] = first;
        count += first < size ? last - first + 1 : 0;
    }
    g->rowBegin[std::size_t(size)] = count;
    for (auto *v : {&g->nx, &g->ny, &g->nz, &g->bx, &g->by, &g->bz, &g->albedoR, &g->albedoG, &g->albedoB,
                    &g->earth, &g->coverage})
        v->resize(std::size_t(count));

    parallelRows(size, [&](int from, int to) {
        for (int py = from; py < to; ++py) {
            std::size_t i = std::size_t(g->rowBegin[std::size_t(py)]);
            const std::size_t end = std::size_t(g->rowBegin[std::size_t(py) + 1]);
            for (int px = g->rowFirstX[std::size_t(py)]; i < end; ++px, ++i) {
                SpherePixel q{};
                spherePixel(px, py, size, texW, texH, q);
                const SurfacePoint s =
                    surfacePoint(m_textures, mirror, q.normal, q.lat, q.lon, q.lod, q.normal.z);
                g->nx[i] = s.normal.x;
                g->ny[i] = s.normal.y;
                g->nz[i] = s.normal.z;
                g->bx[i] = s.bumped.x;
                g->by[i] = s.bumped.y;
                g->bz[i] = s.bumped.z;
                g->albedoR[i] = s.albedo[0];
                g->albedoG[i] = s.albedo[1];
                g->albedoB[i] = s.albedo[2];
                g->earth[i] = earthReflectance(s);
                g->coverage[i] = q.coverage;
            }
        }
    });

    ++m_builds;
    m_recent.insert(m_recent.begin(), std::move(g));
    if (m_recent.size() > std::size_t(kKeptSizes))
        m_recent.pop_back();
    return m_recent.front();
}

QImage CpuSphereShader::shadeSphere(int size, const MoonShadeParams &p) {
    if (size < 1 || m_textures.albedo.isNull() || m_textures.normal.isNull())
        return {};
    const std::shared_ptr<const Geometry> g = geometry(size, p.mirror > 0.5f);
    QImage out(size, size, QImage::Format_RGBA8888_Premultiplied);
    if (out.isNull())
        return {};
    const auto &table = toneTable();
    // The same float operations as incomingLight(), one array at a time.
    const float lx = p.lightX, ly = p.lightY, lz = p.lightZ;
    const float exposure = std::exp2(p.shadeConstantB);
    const float earthStrength = p.shadeConstantA * (1.0f + p.fractionTerm);

    parallelRows(size, [&](int from, int to) {
        std::vector<float> lit(static_cast<std::size_t>(size));
        for (int py = from; py < to; ++py) {
            uchar *row = out.scanLine(py);
            std::memset(row, 0, std::size_t(4) * std::size_t(size));
            const int begin = g->rowBegin[std::size_t(py)];
            const int n = g->rowBegin[std::size_t(py) + 1] - begin;
            const float *nx = g->nx.data() + begin, *ny = g->ny.data() + begin, *nz = g->nz.data() + begin;
            const float *bx = g->bx.data() + begin, *by = g->by.data() + begin, *bz = g->bz.data() + begin;
            const float *earth = g->earth.data() + begin;
            float *l = lit.data();
            for (int i = 0; i < n; ++i) {
                const float t = std::clamp(
                    ((nx[i] * lx + ny[i] * ly + nz[i] * lz) - -0.04f) / (0.04f - -0.04f), 0.0f, 1.0f);
                const float day = t * t * (3.0f - 2.0f * t);
                const float mu0 = std::max(bx[i] * lx + by[i] * ly + bz[i] * lz, 0.0f);
                const float sun = 2.0f * mu0 / std::max(mu0 + nz[i], 1e-4f) * day;
                l[i] = exposure * sun + earthStrength * earth[i];
            }
            const float *ar = g->albedoR.data() + begin, *ag = g->albedoG.data() + begin,
                        *ab = g->albedoB.data() + begin, *cov = g->coverage.data() + begin;
            uchar *o = row + 4 * g->rowFirstX[std::size_t(py)];
            for (int i = 0; i < n; ++i, o += 4) {
                o[0] = byteOf(tone(table, ar[i] * l[i]) * cov[i]);
                o[1] = byteOf(tone(table, ag[i] * l[i]) * cov[i]);
                o[2] = byteOf(tone(table, ab[i] * l[i]) * cov[i]);
                o[3] = byteOf(cov[i]);
            }
        }
    });
    return out;
}

QImage CpuSphereShader::bakeEquirect(int width, const MoonShadeParams &params) const {
    return MoonShading::bakeEquirect(m_textures, width, params);
}

} // namespace lunafold
