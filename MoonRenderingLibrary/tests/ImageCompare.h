// SPDX-License-Identifier: MIT
#pragma once
// Pixel comparisons shared by the rendering tests.

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace testing_images {

struct Differences {
    int max = -1;    ///< largest channel difference; -1 when the sizes differ
    double mean = 0; ///< mean absolute channel difference
};

inline Differences compareChannels(const QImage &a, const QImage &b) {
    Differences d;
    if (a.size() != b.size() || a.isNull())
        return d;
    const QImage x = a.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    long long sum = 0, count = 0;
    d.max = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar *p = x.constScanLine(row), *q = y.constScanLine(row);
        for (int i = 0; i < 4 * x.width(); ++i) {
            const int diff = std::abs(int(p[i]) - int(q[i]));
            d.max = std::max(d.max, diff);
            sum += diff;
            ++count;
        }
    }
    d.mean = double(sum) / double(count);
    return d;
}

/// Mean of the pixels' grey value (0…255, premultiplied, so transparent counts as black) over the
/// pixels for which @p inside(x, y) holds.
template <typename Pred> double meanGrey(const QImage &image, Pred inside) {
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inside(x, y)) {
                sum += qGray(image.pixel(x, y));
                ++count;
            }
    return count ? sum / count : 0.0;
}

/// Where the lit side of a moon picture points: from the centre of its dark pixels to the centre of
/// its lit ones (opaque pixels split at grey @p threshold, so the maria do not pull), radians,
/// counter-clockwise from the right with y up.
inline double litDirection(const QImage &image, int threshold = 80) {
    double lit[3] = {0, 0, 0}, dark[3] = {0, 0, 0}; // x, y, count
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) < 200)
                continue;
            double *bucket = qGray(px) >= threshold ? lit : dark;
            bucket[0] += x + 0.5;
            bucket[1] -= y + 0.5;
            bucket[2] += 1;
        }
    if (lit[2] == 0 || dark[2] == 0)
        return std::nan("");
    return std::atan2(lit[1] / lit[2] - dark[1] / dark[2], lit[0] / lit[2] - dark[0] / dark[2]);
}

/// The smallest difference between two angles, radians.
inline double angleBetween(double a, double b) {
    return std::abs(std::remainder(a - b, 2.0 * M_PI));
}

} // namespace testing_images
