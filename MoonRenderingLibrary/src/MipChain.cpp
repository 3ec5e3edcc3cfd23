// SPDX-License-Identifier: MIT
#include "MoonRendering/MipChain.h"

#include <QFloat16>

#include <algorithm>
#include <cmath>

namespace lunafold {
namespace {

const std::array<float, 256> &srgbToLinearTable() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double c = static_cast<double>(i) / 255.0;
            t[i] = static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

uchar linearToSrgbByte(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double e = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
    return static_cast<uchar>(std::lround(e * 255.0));
}

QImage halve(const QImage &src, bool srgb) {
    const int w = std::max(1, src.width() / 2), h = std::max(1, src.height() / 2);
    QImage dst(w, h, QImage::Format_RGBA8888);
    const auto &lut = srgbToLinearTable();
    for (int y = 0; y < h; ++y) {
        const uchar *rows[2] = {src.constScanLine(std::min(2 * y, src.height() - 1)),
                                src.constScanLine(std::min(2 * y + 1, src.height() - 1))};
        uchar *out = dst.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int xs[2] = {std::min(2 * x, src.width() - 1), std::min(2 * x + 1, src.width() - 1)};
            for (int c = 0; c < 4; ++c) {
                double sum = 0.0;
                for (const uchar *row : rows)
                    for (int sx : xs) {
                        const uchar v = row[4 * sx + c];
                        sum += (srgb && c < 3) ? lut[v] : v / 255.0;
                    }
                out[4 * x + c] = (srgb && c < 3) ? linearToSrgbByte(sum / 4.0)
                                                 : static_cast<uchar>(std::lround(sum / 4.0 * 255.0));
            }
        }
    }
    return dst;
}

} // namespace

MipChain MipChain::build(const QImage &image, bool srgb) {
    MipChain chain;
    if (image.isNull())
        return chain;
    chain.m_srgb = srgb;
    chain.m_levels.push_back(image.convertToFormat(QImage::Format_RGBA8888));
    while (chain.m_levels.back().width() > 1 || chain.m_levels.back().height() > 1)
        chain.m_levels.push_back(halve(chain.m_levels.back(), srgb));
    return chain;
}

QByteArray MipChain::linearHalfFloats(int i) const {
    const QImage &img = level(i);
    const auto &lut = srgbToLinearTable();
    QByteArray out(qsizetype(img.width()) * img.height() * 4 * qsizetype(sizeof(qfloat16)),
                   Qt::Uninitialized);
    auto *texels = reinterpret_cast<qfloat16 *>(out.data());
    for (int y = 0; y < img.height(); ++y) {
        const uchar *row = img.constScanLine(y);
        for (int x = 0; x < 4 * img.width(); ++x)
            *texels++ = qfloat16((m_srgb && x % 4 < 3) ? lut[row[x]] : static_cast<float>(row[x]) / 255.0f);
    }
    return out;
}

std::array<float, 4> MipChain::sampleLevel(int level, float u, float v) const {
    const QImage &img = m_levels[static_cast<std::size_t>(level)];
    const int w = img.width(), h = img.height();
    const float x = u * static_cast<float>(w) - 0.5f, y = v * static_cast<float>(h) - 0.5f;
    const float x0 = std::floor(x), y0 = std::floor(y);
    const float fx = x - x0, fy = y - y0;
    const auto wrap = [w](long i) { return static_cast<int>(((i % w) + w) % w); };
    const auto clampRow = [h](long j) { return static_cast<int>(std::clamp<long>(j, 0, h - 1)); };
    const int i0 = wrap(static_cast<long>(x0)), i1 = wrap(static_cast<long>(x0) + 1);
    const int j0 = clampRow(static_cast<long>(y0)), j1 = clampRow(static_cast<long>(y0) + 1);
    const uchar *r0 = img.constScanLine(j0), *r1 = img.constScanLine(j1);
    const auto &lut = srgbToLinearTable();
    std::array<float, 4> out{};
    for (int c = 0; c < 4; ++c) {
        const auto texel = [&](const uchar *row, int i) {
            const uchar b = row[4 * i + c];
            return (m_srgb && c < 3) ? lut[b] : static_cast<float>(b) / 255.0f;
        };
        const float top = texel(r0, i0) + (texel(r0, i1) - texel(r0, i0)) * fx;
        const float bottom = texel(r1, i0) + (texel(r1, i1) - texel(r1, i0)) * fx;
        out[static_cast<std::size_t>(c)] = top + (bottom - top) * fy;
    }
    return out;
}

std::array<float, 4> MipChain::sample(float u, float v, float lod) const {
    if (isNull())
        return {};
    const float maxLevel = static_cast<float>(levelCount() - 1);
    lod = std::clamp(lod, 0.0f, maxLevel);
    const int d = static_cast<int>(std::floor(lod));
    const float t = lod - static_cast<float>(d);
    const std::array<float, 4> a = sampleLevel(d, u, v);
    if (t <= 0.0f || d + 1 > static_cast<int>(maxLevel))
        return a;
    const std::array<float, 4> b = sampleLevel(d + 1, u, v);
    std::array<float, 4> out{};
    for (std::size_t c = 0; c < 4; ++c)
        out[c] = a[c] + (b[c] - a[c]) * t;
    return out;
}

} // namespace lunafold
