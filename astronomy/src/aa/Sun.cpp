// SPDX-License-Identifier: MIT
#include "astronomy/aa/Sun.h"

#include "FrameOfDate.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {

Sun::Sun(JulianDay jdUt, bool highPrecision)
    : m_jd(jdUt), m_earthSpanCentre(jdUt), m_highPrecision(highPrecision) {}

Sun::Sun(JulianDay jdUt, JulianDay earthSpanCentreUt)
    : m_jd(jdUt), m_earthSpanCentre(earthSpanCentreUt), m_highPrecision(true) {}

const Sun::State &Sun::state() const {
    if (!m_state)
        m_state = m_highPrecision ? computePrecise() : computeCoarse();
    return *m_state;
}

namespace {

// The Earth's heliocentric position (au) and barycentric velocity (au/d) from eraEpv00 every two
// TT days, in between by cubic Hermite interpolation on the heliocentric position and velocity
// across four days: the interval whose middle half holds the span's centre, so a whole day of
// positions around one centre needs only its two ends. The series costs 30–45 µs; over four days
// the interpolation stays within 0.02″ (what is left is mostly the Earth's monthly swing about the
// Earth–Moon barycentre), which is also the most the answers step by where the interval changes.
struct EarthNode {
    double position[3];    // heliocentric, au
    double velocity[3];    // heliocentric, au/d
    double solarMotion[3]; // barycentric less heliocentric velocity (the Sun's own), au/d
};

constexpr double kNodeSpacing = 2.0;
// Nodes at 0h TT: the choice of interval then changes at midnight, far from the middle of a
// European or African day, whose events and queries all share one interval.
constexpr double kNodeOffset = 0.5;

const EarthNode &earthNode(long index) {
    struct Entry {
        long index;
        bool used;
        EarthNode node;
    };
    thread_local Entry cache[8] = {};
    thread_local unsigned next = 0;
    for (const Entry &e : cache)
        if (e.used && e.index == index)
            return e.node;
    Entry &slot = cache[next++ % 8];
    double pvh[2][3], pvb[2][3];
    const double tt = static_cast<double>(index) * kNodeSpacing + kNodeOffset;
    eraEpv00(ERFA_DJ00, tt - ERFA_DJ00, pvh, pvb);
    slot.index = index;
    slot.used = true;
    for (int i = 0; i < 3; ++i) {
        slot.node.position[i] = pvh[0][i];
        slot.node.velocity[i] = pvh[1][i];
        slot.node.solarMotion[i] = pvb[1][i] - pvh[1][i];
    }
    return slot.node;
}

struct EarthState {
    double position[3];
    double velocity[3]; // barycentric
};

EarthState earthAt(double jdTt, double spanCentreTt) {
    constexpr double kSpan = 2 * kNodeSpacing;
    const long i = std::lround((spanCentreTt - kNodeOffset) / kNodeSpacing) - 1;
    const double x = (jdTt - kNodeOffset - static_cast<double>(i) * kNodeSpacing) / kSpan, x2 = x * x,
                 x3 = x2 * x;
    const EarthNode &a = earthNode(i), &b = earthNode(i + 2);
    // Hermite basis and its derivative (per day).
    const double pa = 2 * x3 - 3 * x2 + 1, va = (x3 - 2 * x2 + x) * kSpan, pb = 3 * x2 - 2 * x3,
                 vb = (x3 - x2) * kSpan;
    const double dpa = (6 * x2 - 6 * x) / kSpan, dva = 3 * x2 - 4 * x + 1, dvb = 3 * x2 - 2 * x;
    EarthState out{};
    for (int k = 0; k < 3; ++k) {
        out.position[k] = pa * a.position[k] + va * a.velocity[k] + pb * b.position[k] + vb * b.velocity[k];
        out.velocity[k] = dpa * (a.position[k] - b.position[k]) + dva * a.velocity[k] + dvb * b.velocity[k] +
                          (1 - x) * a.solarMotion[k] + x * b.solarMotion[k];
    }
    return out;
}

} // namespace

Sun::State Sun::computePrecise() const {
    const double tt = m_jd.UTCtoTT().value();
    const EarthState earth = earthAt(tt, m_earthSpanCentre.UTCtoTT().value());
    const FrameOfDate frame = frameOfDate(tt);
    const double(&ph)[3] = earth.position;

    // Geocentric geometric direction of the Sun, then annual aberration from the Earth's
    // barycentric velocity (light time of the Sun's own motion is below 0.01″).
    double p[3] = {-ph[0], -ph[1], -ph[2]};
    double r, u[3];
    eraPn(p, &r, u);
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = earth.velocity[i] * ERFA_AULT / ERFA_DAYSEC;
    const double bm1 = std::sqrt(1.0 - eraPdp(v, v));
    double app[3];
    eraAb(u, v, r, bm1, app);

    double q[3], eApp[3], eGeo[3];
    rotate(frame.gcrsToTrue, app, q);
    rotate(frame.gcrsToEcliptic, app, eApp);
    rotate(frame.gcrsToEcliptic, u, eGeo);

    State s{};
    s.ra = normalizeRadians(std::atan2(q[1], q[0]));
    s.dec = std::atan2(q[2], std::hypot(q[0], q[1]));
    s.apparentLambda = normalizeRadians(std::atan2(eApp[1], eApp[0]) + frame.nutationLongitude);
    s.geometricLambda = normalizeRadians(std::atan2(eGeo[1], eGeo[0]));
    s.radiusAu = r;
    return s;
}

// Meeus, Astronomical Algorithms, 2nd ed., ch. 25 (low accuracy): 0.01° in longitude.
Sun::State Sun::computeCoarse() const {
    const double t = (m_jd.UTCtoTT().value() - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double m = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kDegToRad;
    const double e = 0.016708634 - t * (0.000042037 + t * 0.0000001267);
    const double c = (1.914602 - t * (0.004817 + t * 0.000014)) * std::sin(m) +
                     (0.019993 - t * 0.000101) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double trueLon = l0 + c;
    const double nu = m + c * kDegToRad;
    const double omega = (125.04 - 1934.136 * t) * kDegToRad;
    const double lambda = (trueLon - 0.00569 - 0.00478 * std::sin(omega)) * kDegToRad;
    const double eps0 =
        (23.0 + 26.0 / 60.0 + 21.448 / 3600.0) - t * (46.8150 + t * (0.00059 - t * 0.001813)) / 3600.0;
    const double eps = (eps0 + 0.00256 * std::cos(omega)) * kDegToRad;

    State s{};
    s.ra = normalizeRadians(std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)));
    s.dec = std::asin(std::sin(eps) * std::sin(lambda));
    s.apparentLambda = normalizeRadians(lambda);
    s.geometricLambda = normalizeRadians(trueLon * kDegToRad);
    s.radiusAu = 1.000001018 * (1 - e * e) / (1 + e * std::cos(nu));
    return s;
}

EquatorialCoordinates Sun::equatorialCoordinates() const {
    const State &s = state();
    return {s.ra * kRadToDeg / 15.0, s.dec * kRadToDeg};
}

double Sun::apparentEclipticLongitude() const {
    return normalizeDegrees(state().apparentLambda * kRadToDeg);
}

double Sun::geometricEclipticLongitude() const {
    return normalizeDegrees(state().geometricLambda * kRadToDeg);
}

double Sun::radiusVector() const {
    return state().radiusAu;
}

HorizontalCoordinates Sun::makeHorizontalCoordinates(const GeographicCoordinates &place) const {
    return equatorialCoordinates().makeHorizontalCoordinates(place, m_jd);
}

double sunGeometricEclipticLongitude(JulianDay jdUt, bool highPrecision) {
    return Sun(jdUt, highPrecision).geometricEclipticLongitude();
}

} // namespace lunafold::aa
