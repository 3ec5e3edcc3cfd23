// SPDX-License-Identifier: MIT
// The day's own search for moonrise, moonset and culmination, used when the framework proposes
// no event inside the local day.
#include "MoonDayFallback.h"

#include "Bisection.h"
#include "aa/FrameOfDate.h"
#include "aa/Horizon.h"
#include "aa/MoonTrack.h"
#include "astronomy/aa/Moon.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lunafold::detail {

namespace {

constexpr double kSearchAltitude = 0.125; // degrees
constexpr double kScanStep = 1800.0;      // seconds

double moonAltitude(Instant t, const aa::GeographicCoordinates &place) {
    const aa::JulianDay jd(t);
    return aa::altitudeDegrees(aa::Moon(jd).equatorialCoordinates(), place, jd);
}

// The interpolated track is within 0.002° of the exact altitude; five times that is the margin.
constexpr double kTrackError = 0.01; // degrees

// Whether the exact scan below could bracket a crossing: it does only where two consecutive
// samples straddle the level, so where no pair of the track's samples comes within kTrackError of
// straddling it, the exact scan finds nothing either and its 48 exact positions can be skipped.
// Most days that reach the scan have no such crossing (the Moon rises about 50 minutes later
// each day, so once a month a day has none).
bool scanCanBracket(const LocalDayFrame &day, const aa::GeographicCoordinates &place, bool rise) {
    auto track = [&place](Instant t) {
        return aa::interpolatedMoonTrack(t.julianDay(), place).altitude - kSearchAltitude;
    };
    Instant cursor = day.dayStart;
    double gprev = track(cursor);
    while (cursor < day.dayEnd) {
        const Instant next = cursor.plusSeconds(kScanStep);
        const double gn = track(next);
        if (rise ? (gprev <= kTrackError && gn > -kTrackError) : (gprev > -kTrackError && gn <= kTrackError))
            return true;
        cursor = next;
        gprev = gn;
    }
    return false;
}

} // namespace

std::optional<Instant> moonRiseSetFallback(const LocalDayFrame &day, const aa::GeographicCoordinates &place,
                                           bool rise) {
    if (!scanCanBracket(day, place, rise))
        return std::nullopt;
    auto altitude = [&place](Instant t) { return moonAltitude(t, place); };
    Instant cursor = day.dayStart;
    double fprev = altitude(cursor) - kSearchAltitude;
    while (cursor < day.dayEnd) {
        const Instant next = cursor.plusSeconds(kScanStep);
        const double fn = altitude(next) - kSearchAltitude;
        const bool bracket = rise ? (fprev <= 0 && fn > 0) : (fprev > 0 && fn <= 0);
        if (bracket)
            return detail::bisectCrossing(cursor, next, altitude, kSearchAltitude);
        cursor = next;
        fprev = fn;
    }
    return std::nullopt;
}

// Whether the altitude surely falls (sign −1) or rises (+1) all through [a, b]. The derivative of
// sin(altitude) is −cos φ cos δ sin H · H′ + δ′ (sin φ cos δ − cos φ sin δ cos H); with the Moon's
// |δ′| below 0.35°/h, H′ above 14°/h and |δ| below 29°, the first term wins wherever
// |sin H| > 0.025 (|tan φ| + 0.56) (1901–2099: 0.31°/h, 14.3°/h, 28.7°). The hour angle only
// grows, so its values at both ends bound it.
bool surelyMonotonic(Instant a, Instant b, const aa::GeographicCoordinates &place, int sign) {
    constexpr double kRateRatio = 0.35 / 14.0, kTanMaxDec = 0.56, kAngleMargin = 0.5 * aa::kDegToRad;
    const double bound = kRateRatio * (std::abs(std::tan(place.latitude * aa::kDegToRad)) + kTanMaxDec);
    if (!(bound < 0.9))
        return false;
    const double lowest = std::asin(bound) + kAngleMargin, highest = aa::kPi - lowest;
    const double ha = aa::interpolatedMoonTrack(a.julianDay(), place).hourAngle;
    const double hb = aa::interpolatedMoonTrack(b.julianDay(), place).hourAngle;
    auto inside = [&](double h) {
        return sign < 0 ? (h > lowest && h < highest) : (h < -lowest && h > -highest);
    };
    return hb > ha && inside(ha) && inside(hb);
}

// Whether the exact search below surely answers nothing, decided on the interpolated track: when
// its highest half-hour sample is the first (or the last) by more than the track's error both
// ways, and the altitude surely falls from it (or rises to it) over the ternary search's span,
// that search never leaves the day's edge, and the answer is "none". Days that reach this search
// are mostly such days, the Moon culminating just outside them.
bool surelyNoCulmination(const LocalDayFrame &day, const aa::GeographicCoordinates &place) {
    std::array<double, 64> track{};
    std::array<Instant, 64> at{};
    std::size_t n = 0;
    for (Instant t = day.dayStart; t < day.dayEnd && n < track.size(); t = t.plusSeconds(kScanStep), ++n) {
        track[n] = aa::interpolatedMoonTrack(t.julianDay(), place).altitude;
        at[n] = t;
    }
    if (n < 2 || n == track.size())
        return false;
    auto clearlyHighest = [&](std::size_t i) {
        for (std::size_t k = 0; k < n; ++k)
            if (k != i && !(track[k] < track[i] - 2 * kTrackError))
                return false;
        return true;
    };
    if (clearlyHighest(0))
        return surelyMonotonic(day.dayStart, std::min(day.dayStart.plusSeconds(kScanStep), day.dayEnd), place,
                               -1);
    if (clearlyHighest(n - 1))
        return surelyMonotonic(std::max(at[n - 1].plusSeconds(-kScanStep), day.dayStart), day.dayEnd, place,
                               +1);
    return false;
}

// Culmination search: the highest half-hour sample, narrowed by ternary search, kept only when
// it is a true maximum.
std::optional<Instant> moonTransitFallback(const LocalDayFrame &day, const aa::GeographicCoordinates &place) {
    if (surelyNoCulmination(day, place))
        return std::nullopt;
    auto altitude = [&place](Instant t) { return moonAltitude(t, place); };
    Instant best = day.dayStart;
    double bestAlt = altitude(best);
    for (Instant t = day.dayStart; t < day.dayEnd; t = t.plusSeconds(kScanStep)) {
        const double a = altitude(t);
        if (a > bestAlt) {
            best = t;
            bestAlt = a;
        }
    }
    Instant lo = std::max(best.plusSeconds(-kScanStep), day.dayStart);
    Instant hi = std::min(best.plusSeconds(kScanStep), day.dayEnd);
    for (int round = 0; round < 25 && hi.secondsSince(lo) > 1.0; ++round) {
        const double span = hi.secondsSince(lo);
        const Instant m1 = lo.plusSeconds(span / 3), m2 = hi.plusSeconds(-span / 3);
        if (altitude(m2) <= altitude(m1))
            hi = m2;
        else
            lo = m1;
    }
    const Instant mid = lo.plusSeconds(hi.secondsSince(lo) / 2);
    // A maximum pinned to midnight is the Moon culminating just outside the day, not in it.
    if (lo <= day.dayStart || hi >= day.dayEnd)
        return std::nullopt;
    const double top = altitude(mid);
    if (top > altitude(mid.plusSeconds(-kScanStep)) && top > altitude(mid.plusSeconds(kScanStep)))
        return mid;
    return std::nullopt;
}

} // namespace lunafold::detail
