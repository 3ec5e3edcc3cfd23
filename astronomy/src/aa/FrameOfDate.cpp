// SPDX-License-Identifier: MIT
#include "FrameOfDate.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {
namespace {

FrameOfDate computeFrame(double jdTt) {
    FrameOfDate f{};
    const double d1 = ERFA_DJ00, d2 = jdTt - ERFA_DJ00;
    double gamb, phib, psib, epsa;
    eraPfw06(d1, d2, &gamb, &phib, &psib, &epsa);
    eraNut00b(d1, d2, &f.nutationLongitude, &f.nutationObliquity);
    eraFw2m(gamb, phib, psib + f.nutationLongitude, epsa + f.nutationObliquity, f.gcrsToTrue);
    eraEcm06(d1, d2, f.gcrsToEcliptic);
    f.meanObliquity = epsa;
    f.equationOfEquinoxes = f.nutationLongitude * std::cos(epsa + f.nutationObliquity);
    return f;
}

// Six-hour buckets: the fastest nutation terms move the frame by about 0.02″ in six hours.
constexpr double kBucketsPerDay = 4.0;

struct CacheEntry {
    double bucket = std::nan("");
    FrameOfDate frame{};
};

} // namespace

FrameOfDate frameOfDate(double jdTt) {
    thread_local CacheEntry cache[16];
    thread_local unsigned next = 0;
    const double bucket = std::floor(jdTt * kBucketsPerDay);
    for (const CacheEntry &e : cache)
        if (e.bucket == bucket)
            return e.frame;
    CacheEntry &slot = cache[next++ % 16];
    slot.bucket = bucket;
    slot.frame = computeFrame((bucket + 0.5) / kBucketsPerDay);
    return slot.frame;
}

void rotate(const double m[3][3], const double v[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

double normalizeRadians(double a) { return positiveRemainder(a, 2 * kPi); }

double wrapPiRadians(double a) {
    a = normalizeRadians(a);
    return a > kPi ? a - 2 * kPi : a;
}

double normalizeDegrees(double a) {
    a = positiveRemainder(a, 360.0);
    return a >= 360.0 ? 0.0 : a;
}

} // namespace lunafold::aa
