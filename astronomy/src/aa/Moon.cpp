// SPDX-License-Identifier: MIT
#include "astronomy/aa/Moon.h"

#include "FrameOfDate.h"
#include "MoonPhaseSeries.h"
#include "astronomy/aa/DeltaT.h"
#include "astronomy/aa/Sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace lunafold::aa {
namespace {

constexpr double kEarthRadiusKm = 6378.14;
constexpr double kPhaseEpochJde = 2451550.09766;
// The periodic terms move a true phase at most about 0.9 d from the mean one.
constexpr double kPhaseMargin = 1.5;

void moonGcrs(double jdTt, double p[3]) {
    double pv[2][3];
    eraMoon98(ERFA_DJ00, jdTt - ERFA_DJ00, pv);
    for (int i = 0; i < 3; ++i)
        p[i] = pv[0][i];
}

} // namespace

Moon::Moon(JulianDay jdUt, bool /*highPrecision*/) : m_jd(jdUt) {}

const Moon::State &Moon::state() const {
    if (!m_state) {
        const double tt = m_jd.UTCtoTT().value();
        const FrameOfDate frame = frameOfDate(tt);
        double p[3], q[3], e[3];
        moonGcrs(tt, p);
        rotate(frame.gcrsToTrue, p, q);
        rotate(frame.gcrsToEcliptic, p, e);
        State s{};
        s.ra = normalizeRadians(std::atan2(q[1], q[0]));
        s.dec = std::atan2(q[2], std::hypot(q[0], q[1]));
        s.lambda = normalizeRadians(std::atan2(e[1], e[0]) + frame.nutationLongitude);
        s.beta = std::atan2(e[2], std::hypot(e[0], e[1]));
        s.distanceKm = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]) * kAuKm;
        m_state = s;
    }
    return *m_state;
}

EquatorialCoordinates Moon::equatorialCoordinates() const {
    const State &s = state();
    return {s.ra * kRadToDeg / 15.0, s.dec * kRadToDeg};
}

EclipticCoordinates Moon::eclipticCoordinates() const {
    const State &s = state();
    return {normalizeDegrees(s.lambda * kRadToDeg), s.beta * kRadToDeg};
}

double Moon::distance() const {
    return state().distanceKm;
}

double Moon::horizontalParallax() const {
    return std::asin(kEarthRadiusKm / distance()) * kRadToDeg;
}

double Moon::standardAltitude() const {
    return 0.7275 * horizontalParallax() - 34.0 / 60.0;
}

double Moon::brightLimbPositionAngle() const {
    const State &s = state();
    const EquatorialCoordinates sun = Sun(m_jd, true).equatorialCoordinates();
    const double a0 = sun.rightAscension * 15.0 * kDegToRad, d0 = sun.declination * kDegToRad;
    const double y = std::cos(d0) * std::sin(a0 - s.ra);
    const double x = std::sin(d0) * std::cos(s.dec) - std::cos(d0) * std::sin(s.dec) * std::cos(a0 - s.ra);
    return normalizeDegrees(std::atan2(y, x) * kRadToDeg);
}

JulianDay Moon::phaseInstant(int phase, bool forward, bool mean) const {
    const double offset = (phase & 3) / 4.0;
    const double jde = m_jd.UTCtoTT().value();
    auto at = [mean](double k) { return mean ? meanPhaseJde(k) : truePhaseJde(k); };
    // The true phase lies within kPhaseMargin of the mean one, so the mean phases pick the
    // lunation and the series is evaluated only where the answer could go either way.
    const double x = (jde - kPhaseEpochJde) / kSynodicMonth - offset;
    if (forward) {
        double k = std::floor(x) + offset; // mean(k) ≤ jde < mean(k + 1), give or take rounding
        while (meanPhaseJde(k) > jde - kPhaseMargin)
            k -= 1.0;
        // Now true(k) ≤ jde for sure; step forward to the first true phase after jde.
        for (k += 1.0;; k += 1.0) {
            if (meanPhaseJde(k) > jde + kPhaseMargin)
                return JulianDay(ttToUt(at(k)));
            const double t = at(k);
            if (t > jde)
                return JulianDay(ttToUt(t));
        }
    }
    double k = std::ceil(x) + offset;
    while (meanPhaseJde(k) <= jde + kPhaseMargin)
        k += 1.0;
    // Now true(k) > jde for sure; step back to the last true phase at or before jde.
    for (k -= 1.0;; k -= 1.0) {
        if (meanPhaseJde(k) <= jde - kPhaseMargin)
            return JulianDay(ttToUt(at(k)));
        const double t = at(k);
        if (t <= jde)
            return JulianDay(ttToUt(t));
    }
}

double moonEclipticLongitude(JulianDay jdUt) {
    const double tt = jdUt.UTCtoTT().value();
    double p[3], e[3];
    moonGcrs(tt, p);
    rotate(frameOfDate(tt).gcrsToEcliptic, p, e);
    return normalizeDegrees(std::atan2(e[1], e[0]) * kRadToDeg);
}

} // namespace lunafold::aa
