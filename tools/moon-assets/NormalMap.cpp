// SPDX-License-Identifier: MIT
// Brightness as height: the maria are dark and low, crater rims bright and raised, which is right
// often enough to give the terminator its relief.
#include "NormalMap.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Height field: the map's grey value, smoothed with a 1-2-1 kernel to keep compression noise out
// of the normals. Longitude wraps, latitude clamps.
std::vector<double> heights(const QImage &albedo) {
    const QImage grey = albedo.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width(), h = grey.height();
    const auto at = [&](int x, int y) {
        x = ((x % w) + w) % w;
        y = std::clamp(y, 0, h - 1);
        return grey.constScanLine(y)[x] / 255.0;
    };
    std::vector<double> out(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double sum = 0.0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += at(x + dx, y + dy) * (2 - std::abs(dx)) * (2 - std::abs(dy));
            out[static_cast<std::size_t>(y) * w + x] = sum / 16.0;
        }
    return out;
}

} // namespace

QImage normalMapFromAlbedo(const QImage &albedo, double relief) {
    const int w = albedo.width(), h = albedo.height();
    const std::vector<double> field = heights(albedo);
    const auto at = [&](int x, int y) {
        x = ((x % w) + w) % w;
        y = std::clamp(y, 0, h - 1);
        return field[static_cast<std::size_t>(y) * w + x];
    };
    QImage out(w, h, QImage::Format_RGBA8888);
    const double radiansPerTexelX = 2.0 * kPi / w, radiansPerTexelY = kPi / h;
    for (int y = 0; y < h; ++y) {
        const double latitude = (0.5 - (y + 0.5) / h) * kPi;
        // East–west texels shrink towards the poles; the floor stops the slopes exploding there.
        const double eastSpacing = radiansPerTexelX * std::max(std::cos(latitude), 0.2);
        uchar *row = out.scanLine(y);
        for (int x = 0; x < w; ++x) {
            // Sobel, normalised to a per-texel difference.
            const double gx = (at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) - at(x - 1, y - 1) -
                               2 * at(x - 1, y) - at(x - 1, y + 1)) /
                              8.0;
            const double gyDown = (at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) - at(x - 1, y - 1) -
                                   2 * at(x, y - 1) - at(x + 1, y - 1)) /
                                  8.0;
            const double slopeEast = relief * gx / eastSpacing;
            const double slopeNorth = -relief * gyDown / radiansPerTexelY; // rows run southwards
            const double nx = -slopeEast, ny = -slopeNorth, nz = 1.0;
            const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
            uchar *o = row + 4 * x;
            o[0] = static_cast<uchar>(std::lround((nx / len + 1.0) * 127.5));
            o[1] = static_cast<uchar>(std::lround((ny / len + 1.0) * 127.5));
            o[2] = static_cast<uchar>(std::lround((nz / len + 1.0) * 127.5));
            o[3] = 255;
        }
    }
    return out;
}
