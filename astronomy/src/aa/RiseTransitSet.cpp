// SPDX-License-Identifier: MIT
#include "astronomy/aa/RiseTransitSet.h"

#include "FrameOfDate.h"
#include "MoonTrack.h"
#include "astronomy/aa/Moon.h"
#include "astronomy/aa/Sun.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lunafold::aa {

enum class Body { moon, sun };

struct RiseTransitSetAccess {
    static void assign(RiseTransitSetTimes &r, std::optional<double> rise, std::optional<double> transit,
                       std::optional<double> set) {
        if (rise)
            r.m_rise = JulianDay(*rise);
        if (transit)
            r.m_transit = JulianDay(*transit);
        if (set)
            r.m_set = JulianDay(*set);
    }
};

namespace {

constexpr double kNodeSpacing = 0.5;     // days between exact positions
constexpr double kSampleStep = 1.0 / 72; // 20 minutes
constexpr double kRootTolerance = 5e-7;  // days (0.04 s) on the interpolated curve
constexpr double kPolishDone = 2e-5;     // days: after a Newton step this small the error is < 1 ms

struct BodyState {
    double ra;  // radians, [0, 2π)
    double dec; // radians
    double distanceKm;
};

BodyState exactState(Body body, double jdUt) {
    if (body == Body::moon) {
        const Moon m{JulianDay(jdUt)};
        const EquatorialCoordinates c = m.equatorialCoordinates();
        return {c.rightAscension * 15.0 * kDegToRad, c.declination * kDegToRad, m.distance()};
    }
    const Sun s{JulianDay(jdUt), true};
    const EquatorialCoordinates c = s.equatorialCoordinates();
    return {c.rightAscension * 15.0 * kDegToRad, c.declination * kDegToRad, s.radiusVector() * kAuKm};
}

double standardAltitude(Body body, const BodyState &s) {
    if (body == Body::moon)
        return (0.7275 * std::asin(6378.14 / s.distanceKm) * kRadToDeg - 34.0 / 60.0) * kDegToRad;
    return -50.0 / 60.0 * kDegToRad;
}

// Exact positions on a fixed grid, shared by neighbouring days and calls on this thread.
const BodyState &node(Body body, long index) {
    struct Entry {
        Body body;
        long index;
        bool used;
        BodyState state;
    };
    thread_local std::array<Entry, 24> cache{};
    thread_local unsigned next = 0;
    for (const Entry &e : cache)
        if (e.used && e.index == index && e.body == body)
            return e.state;
    Entry &slot = cache[next++ % cache.size()];
    slot = {body, index, true, exactState(body, static_cast<double>(index) * kNodeSpacing)};
    return slot.state;
}

BodyState interpolated(Body body, double jdUt) {
    const long i = static_cast<long>(std::floor(jdUt / kNodeSpacing));
    const double x = jdUt / kNodeSpacing - static_cast<double>(i); // in [0, 1)
    const BodyState &s0 = node(body, i - 1), &s1 = node(body, i), &s2 = node(body, i + 1),
                    &s3 = node(body, i + 2);
    // Lagrange weights for nodes at −1, 0, 1, 2.
    const auto [w] = lagrangeWeights(x);
    const double w0 = w[0], w1 = w[1], w2 = w[2], w3 = w[3];
    auto unwrap = [&](double ra) { return s1.ra + wrapPiRadians(ra - s1.ra); };
    BodyState r;
    r.ra = normalizeRadians(w0 * unwrap(s0.ra) + w1 * s1.ra + w2 * unwrap(s2.ra) + w3 * unwrap(s3.ra));
    r.dec = w0 * s0.dec + w1 * s1.dec + w2 * s2.dec + w3 * s3.dec;
    r.distanceKm = w0 * s0.distanceKm + w1 * s1.distanceKm + w2 * s2.distanceKm + w3 * s3.distanceKm;
    return r;
}

class DaySearch {
  public:
    DaySearch(Body body, const GeographicCoordinates &place, std::optional<double> h0)
        : m_body(body), m_westRad(place.westLongitude * kDegToRad),
          m_sinPhi(std::sin(place.latitude * kDegToRad)), m_cosPhi(std::cos(place.latitude * kDegToRad)),
          m_h0(h0 ? std::optional<double>(*h0 * kDegToRad) : std::nullopt) {}

    double hourAngle(const BodyState &s, double t) const {
        const double gast = JulianDay(t).apparentSiderealTime() * (kPi / 12.0);
        return wrapPiRadians(gast - m_westRad - s.ra);
    }
    double altitudeMinusTarget(const BodyState &s, double t) const {
        const double h = hourAngle(s, t);
        const double sinAlt = m_sinPhi * std::sin(s.dec) + m_cosPhi * std::cos(s.dec) * std::cos(h);
        return std::asin(std::clamp(sinAlt, -1.0, 1.0)) - (m_h0 ? *m_h0 : standardAltitude(m_body, s));
    }
    double f(double t) const { return altitudeMinusTarget(interpolated(m_body, t), t); }
    double fExact(double t) const { return altitudeMinusTarget(exactState(m_body, t), t); }
    double ha(double t) const { return hourAngle(interpolated(m_body, t), t); }
    double haExact(double t) const { return hourAngle(exactState(m_body, t), t); }

    // Illinois (regula falsi) on a bracket with g(a), g(b) of opposite signs.
    template <class G> static double root(G g, double a, double ga, double b, double gb) {
        int side = 0;
        for (int it = 0; it < 60 && b - a > kRootTolerance; ++it) {
            const double c = (a * gb - b * ga) / (gb - ga);
            const double gc = g(c);
            if ((gc > 0) == (gb > 0)) {
                b = c;
                gb = gc;
                if (side == -1)
                    ga *= 0.5;
                side = -1;
            } else {
                a = c;
                ga = gc;
                if (side == 1)
                    gb *= 0.5;
                side = 1;
            }
            if (gc == 0.0)
                return c;
        }
        return (a * gb - b * ga) / (gb - ga);
    }

    // Newton steps with the exact position; the slope comes from the interpolated curve.
    template <class GI, class GE> static double polish(double t, GI gi, GE ge) {
        constexpr double dt = 1.0 / 1440;
        for (int it = 0; it < 4; ++it) {
            const double slope = (gi(t + dt) - gi(t - dt)) / (2 * dt);
            if (slope == 0.0)
                break;
            const double step = ge(t) / slope;
            t -= step;
            if (std::abs(step) < kPolishDone)
                break;
        }
        return t;
    }

    // Golden-section search for the extremum of f on [a, b]; sign +1 for a maximum.
    double extremum(double a, double b, double sign) const {
        constexpr double g = 0.6180339887498949;
        double c = b - g * (b - a), d = a + g * (b - a);
        double fc = sign * f(c), fd = sign * f(d);
        for (int it = 0; it < 28; ++it) {
            if (fc > fd) {
                b = d;
                d = c;
                fd = fc;
                c = b - g * (b - a);
                fc = sign * f(c);
            } else {
                a = c;
                c = d;
                fc = fd;
                d = a + g * (b - a);
                fd = sign * f(d);
            }
        }
        return (a + b) / 2;
    }

    void run(double d0, std::optional<double> &rise, std::optional<double> &transit,
             std::optional<double> &set) const {
        constexpr int kSamples = 75; // d0 − step … d0 + 1 + step
        struct Point {
            double t, f;
        };
        std::array<Point, kSamples + 8> pts{};
        std::array<double, kSamples> sampleT{}, sampleH{};
        int n = 0;
        std::array<double, kSamples> fs{};
        for (int i = 0; i < kSamples; ++i) {
            const double t = d0 + (i - 1) * kSampleStep;
            const BodyState s = interpolated(m_body, t);
            sampleT[i] = t;
            fs[i] = altitudeMinusTarget(s, t);
            sampleH[i] = hourAngle(s, t);
            pts[n++] = {t, fs[i]};
        }
        // Extrema of the altitude: a rise and set closer together than the sampling step
        // would otherwise slip between two samples. Only an extremum near the target can: within
        // a step either side the altitude moves by at most the hour angle's rate plus the body's
        // own motion in declination (15.4°/h, 5.1° a step), so from a sample further away than
        // kNoGraze the curve keeps its sign, its extremum could bound no bracket, and searching
        // it would change nothing.
        constexpr double kNoGraze = 6.0 * kDegToRad;
        for (int i = 1; i + 1 < kSamples && n < static_cast<int>(pts.size()); ++i) {
            const double d1 = fs[i] - fs[i - 1], d2 = fs[i + 1] - fs[i];
            if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && std::abs(fs[i]) < kNoGraze) {
                const double te = extremum(sampleT[i - 1], sampleT[i + 1], d1 > 0 ? 1.0 : -1.0);
                pts[n++] = {te, f(te)};
            }
        }
        std::sort(pts.begin(), pts.begin() + n, [](const Point &a, const Point &b) { return a.t < b.t; });

        auto fi = [this](double t) { return f(t); };
        auto fe = [this](double t) { return fExact(t); };
        for (int i = 1; i < n && (!rise || !set); ++i) {
            const Point &a = pts[i - 1], &b = pts[i];
            const bool rising = a.f <= 0 && b.f > 0, setting = a.f > 0 && b.f <= 0;
            if ((rising && rise) || (setting && set) || (!rising && !setting))
                continue;
            const double t = polish(root(fi, a.t, a.f, b.t, b.f), fi, fe);
            if (t < d0 || t >= d0 + 1)
                continue;
            (rising ? rise : set) = t;
        }

        auto hi = [this](double t) { return ha(t); };
        auto he = [this](double t) { return haExact(t); };
        for (int i = 1; i < kSamples && !transit; ++i) {
            if (!(sampleH[i - 1] < 0 && sampleH[i] >= 0 && sampleH[i] - sampleH[i - 1] < kPi))
                continue;
            const double t = polish(root(hi, sampleT[i - 1], sampleH[i - 1], sampleT[i], sampleH[i]), hi, he);
            if (t >= d0 && t < d0 + 1)
                transit = t;
        }
    }

  private:
    Body m_body;
    double m_westRad, m_sinPhi, m_cosPhi;
    std::optional<double> m_h0;
};

void computeDay(Body body, double jd, const GeographicCoordinates &place, std::optional<double> h0,
                std::optional<double> &rise, std::optional<double> &transit, std::optional<double> &set) {
    const double d0 = jd - 0.5;
    struct Memo {
        bool used;
        Body body;
        double d0, west, lat, h0;
        std::optional<double> rise, transit, set;
    };
    thread_local std::array<Memo, 8> memo{};
    thread_local unsigned next = 0;
    const double h0Key = h0 ? *h0 : std::nan("");
    auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const Memo &m : memo) {
        if (m.used && m.body == body && m.d0 == d0 && m.west == place.westLongitude &&
            m.lat == place.latitude && same(m.h0, h0Key)) {
            rise = m.rise;
            transit = m.transit;
            set = m.set;
            return;
        }
    }
    DaySearch(body, place, h0).run(d0, rise, transit, set);
    memo[next++ % memo.size()] = {true, body,    d0, place.westLongitude, place.latitude, h0Key,
                                  rise, transit, set};
}

} // namespace

MoonTrackPoint interpolatedMoonTrack(double jdUt, const GeographicCoordinates &place) {
    const BodyState s = interpolated(Body::moon, jdUt);
    const double h = wrapPiRadians(JulianDay(jdUt).apparentSiderealTime() * (kPi / 12.0) -
                                   place.westLongitude * kDegToRad - s.ra);
    const double phi = place.latitude * kDegToRad;
    const double sinAlt = std::sin(phi) * std::sin(s.dec) + std::cos(phi) * std::cos(s.dec) * std::cos(h);
    return {std::asin(std::clamp(sinAlt, -1.0, 1.0)) * kRadToDeg, h};
}

RiseTransitSetTimes::RiseTransitSetTimes(const Moon &body, const GeographicCoordinates &place,
                                         std::optional<double> riseSetAltitude) {
    std::optional<double> r, t, s;
    computeDay(Body::moon, body.julianDay().value(), place, riseSetAltitude, r, t, s);
    RiseTransitSetAccess::assign(*this, r, t, s);
}

RiseTransitSetTimes::RiseTransitSetTimes(const Sun &body, const GeographicCoordinates &place,
                                         std::optional<double> riseSetAltitude) {
    std::optional<double> r, t, s;
    computeDay(Body::sun, body.julianDay().value(), place, riseSetAltitude, r, t, s);
    RiseTransitSetAccess::assign(*this, r, t, s);
}

} // namespace lunafold::aa
