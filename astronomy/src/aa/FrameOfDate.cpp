// SPDX-License-Identifier: MIT
#include "FrameOfDate.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {
namespace {

// IAU 2000B nutation from eraNut00b once a TT day (at 0h), straight in between: its fastest large
// term (13.7 days, 0.23″) bends away from a line by 0.006″ in a day. eraNut00b is most of a frame's
// cost, and a day of rise/set searches spans eight or more frames but only two such days.
struct Nutation {
    double longitude, obliquity;
};

const Nutation &nutationNode(double day) {
    struct Entry {
        double day = std::nan("");
        Nutation nutation{};
    };
    thread_local Entry cache[4];
    thread_local unsigned next = 0;
    for (const Entry &e : cache)
        if (e.day == day)
            return e.nutation;
    Entry &slot = cache[next++ % 4];
    eraNut00b(ERFA_DJ00, day + 0.5 - ERFA_DJ00, &slot.nutation.longitude, &slot.nutation.obliquity);
    slot.day = day;
    return slot.nutation;
}

Nutation nutation(double jdTt) {
    const double day = std::floor(jdTt - 0.5), x = jdTt - 0.5 - day;
    const Nutation &a = nutationNode(day), &b = nutationNode(day + 1);
    return {a.longitude + x * (b.longitude - a.longitude), a.obliquity + x * (b.obliquity - a.obliquity)};
}

FrameOfDate computeFrame(double jdTt) {
    FrameOfDate f{};
    const double d1 = ERFA_DJ00, d2 = jdTt - ERFA_DJ00;
    double gamb, phib, psib, epsa;
    eraPfw06(d1, d2, &gamb, &phib, &psib, &epsa);
    const Nutation n = nutation(jdTt);
    f.nutationLongitude = n.longitude;
    f.nutationObliquity = n.obliquity;
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

const FrameOfDate &frameOfDate(double jdTt) {
    thread_local CacheEntry cache[16];
    thread_local unsigned next = 0, last = 0;
    const double bucket = std::floor(jdTt * kBucketsPerDay);
    // A search asks for the same span many times running: try the last answer first.
    if (cache[last].bucket == bucket)
        return cache[last].frame;
    for (unsigned i = 0; i < 16; ++i)
        if (cache[i].bucket == bucket) {
            last = i;
            return cache[i].frame;
        }
    last = next++ % 16;
    CacheEntry &slot = cache[last];
    slot.bucket = bucket;
    slot.frame = computeFrame((bucket + 0.5) / kBucketsPerDay);
    return slot.frame;
}

double greenwichMeanSiderealAngle(double jdUt, double jdTt) {
    // Earth rotation angle: eraEra00 with the larger part, J2000 itself, a whole day. For a whole
    // number of days a − trunc(a) is +0 where fmod gives −0; either adds to +0 below.
    const double du = jdUt - ERFA_DJ00;
    const double f = (du - std::trunc(du)) + 0.0;
    const double era =
        positiveRemainder(ERFA_D2PI * (f + 0.7790572732640 + 0.00273781191135448 * du), ERFA_D2PI);
    const double t = ((ERFA_DJ00 - ERFA_DJ00) + (jdTt - ERFA_DJ00)) / ERFA_DJC;
    return positiveRemainder(
        era + (0.014506 + (4612.156534 +
                           (1.3915817 + (-0.00000044 + (-0.000029956 + (-0.0000000368) * t) * t) * t) * t) *
                              t) *
                  ERFA_DAS2R,
        ERFA_D2PI);
}

void rotate(const double m[3][3], const double v[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

double normalizeRadians(double a) {
    return positiveRemainder(a, 2 * kPi);
}

double wrapPiRadians(double a) {
    a = normalizeRadians(a);
    return a > kPi ? a - 2 * kPi : a;
}

double normalizeDegrees(double a) {
    a = positiveRemainder(a, 360.0);
    return a >= 360.0 ? 0.0 : a;
}

} // namespace lunafold::aa
