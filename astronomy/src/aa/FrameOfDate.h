// SPDX-License-Identifier: MIT
#pragma once

namespace lunafold::aa {

/// Rotations and angles of the true and mean frames of date for a TT Julian day.
struct FrameOfDate {
    double gcrsToTrue[3][3];     ///< bias-precession-nutation: GCRS → true equator and equinox of date
    double gcrsToEcliptic[3][3]; ///< GCRS → mean ecliptic and equinox of date
    double nutationLongitude;    ///< Δψ, radians
    double nutationObliquity;    ///< Δε, radians
    double meanObliquity;        ///< ε₀, radians
    double equationOfEquinoxes;  ///< radians
};

/// The frame of date for @p jdTt. Evaluated at the middle of each six-hour span of TT and reused:
/// precession and nutation move by about 0.01″ within that span, far below the lunar theory's
/// error, and the answer depends only on the span, so results never depend on what was asked before.
/// The reference stays valid until the next call on this thread.
const FrameOfDate &frameOfDate(double jdTt);

/// fmod(a, period) moved into [0, period). Bit for bit the same as fmod followed by adding the
/// period to a negative remainder, but angles already within one period (nearly all) skip fmod,
/// which is a tenth of a rise/set search's time; fmod returns such an a unchanged.
inline double positiveRemainder(double a, double period) {
    const double r = (a < period && a > -period) ? a : __builtin_fmod(a, period);
    return r < 0 ? r + period : r;
}

/// Greenwich mean sidereal time (IAU 2006) in radians, [0, 2π), for a UT and a TT Julian day: the
/// same arithmetic as eraGmst06, bit for bit, with the whole days dropped by subtraction instead of
/// fmod, which costs more than the rest of it and is called for every sample of a rise/set search.
double greenwichMeanSiderealAngle(double jdUt, double jdTt);

/// Helpers shared by the position code.
void rotate(const double m[3][3], const double v[3], double out[3]);
double normalizeRadians(double a); ///< to [0, 2π)
double wrapPiRadians(double a);    ///< to (−π, π]
double normalizeDegrees(double a); ///< to [0, 360)

/// Weights of four-point Lagrange interpolation on equally spaced nodes at −1, 0, 1, 2, for a
/// point @p x in [0, 1) between the middle two.
struct LagrangeWeights {
    double w[4];
};
constexpr LagrangeWeights lagrangeWeights(double x) {
    return {{-x * (x - 1) * (x - 2) / 6, (x + 1) * (x - 1) * (x - 2) / 2, -(x + 1) * x * (x - 2) / 2,
             (x + 1) * x * (x - 1) / 6}};
}

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;
constexpr double kAuKm = 149597870.7;

} // namespace lunafold::aa
