// SPDX-License-Identifier: MIT
#pragma once

namespace lunafold::aa {

/// Instant of the principal phase numbered k (k integer: new moon; +0.25 first quarter; +0.5 full;
/// +0.75 last quarter; k = 0 is the new moon of 2000-01-06), Julian Ephemeris Day (TT).
/// @see Meeus, Astronomical Algorithms, 2nd ed., ch. 49.
double meanPhaseJde(double k);
/// Meeus' series as printed (worst case about 18 s against DE431).
double meeusTruePhaseJde(double k);
/// Meeus' series plus our terms fitted to DE431 phase instants, 1901–2099: 1.3 s RMS, 5.6 s at
/// worst there. Outside those years the added terms stay bounded (a few seconds) but are untested.
double truePhaseJde(double k);

/// Mean synodic month, days.
constexpr double kSynodicMonth = 29.530588861;

} // namespace lunafold::aa
