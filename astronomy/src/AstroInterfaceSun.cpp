// SPDX-License-Identifier: MIT
// The Sun's events in a local day: solar transit from the hour angle, then each crossing of its
// target altitude searched from the transit, with coarse positions for sampling and precise ones
// for the final bisection.
#include "astronomy/AstroInterface.h"

#include "Bisection.h"
#include "aa/FrameOfDate.h"
#include "aa/Horizon.h"
#include "astronomy/aa/Sun.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lunafold {
namespace {

constexpr double kSunrise = -0.833, kCivil = -6.0, kNautical = -12.0, kAstronomical = -18.0;

struct SunPlace {
    double longitude; // east positive
    aa::GeographicCoordinates geo;
};

// Hour angle in degrees, (−180, 180].
double hourAngle(Instant t, const SunPlace &p) {
    const aa::JulianDay jd(t);
    const double alpha = aa::Sun(jd.UTCtoTT(), false).equatorialCoordinates().rightAscension;
    const double theta = jd.meanLocalSiderealTime(-p.longitude);
    double h = aa::positiveRemainder(15.0 * theta - 15.0 * alpha, 360.0);
    if (h > 180.0)
        h -= 360.0;
    return h;
}

double sunAltitude(Instant t, const SunPlace &p, bool precise) {
    const aa::JulianDay jd(t);
    return aa::altitudeDegrees(aa::Sun(jd.UTCtoTT(), precise).equatorialCoordinates(), p.geo, jd);
}

constexpr double kMaxTurnPerStep = 5.1; // degrees of hour angle in 1200 s, with a margin

std::optional<Instant> searchSolarTransit(const LocalDayFrame &day, const SunPlace &p) {
    const Instant start = day.noon.plusSeconds(-46800.0), end = day.noon.plusSeconds(46800.0);
    std::optional<Instant> best;
    Instant cursor = start;
    double hprev = hourAngle(cursor, p);
    while (cursor < end) {
        // The hour angle grows by at most 5.01° a step (the sidereal rate less the Sun's own), so
        // while it stays more than a step's worth short of its next upward pass through 0 no step
        // can bracket the transit: those samples are passed over unevaluated, on the same grid.
        const double beforeZero = hprev <= 0 ? -hprev : 360.0 - hprev;
        if (const int skip = static_cast<int>(beforeZero / kMaxTurnPerStep) - 1; skip > 0) {
            for (int k = 0; k < skip && cursor < end; ++k)
                cursor = cursor.plusSeconds(1200.0);
            if (!(cursor < end))
                break;
            hprev = hourAngle(cursor, p);
            continue;
        }
        const Instant next = cursor.plusSeconds(1200.0);
        const double hn = hourAngle(next, p);
        if (hprev <= 0 && hn > 0) {
            Instant lo = cursor, hi = next;
            for (int round = 0; round < 40 && hi.secondsSince(lo) > 0.5; ++round) {
                const Instant mid = lo.plusSeconds(hi.secondsSince(lo) / 2);
                if (hourAngle(mid, p) <= 0)
                    lo = mid;
                else
                    hi = mid;
            }
            const Instant candidate = lo.plusSeconds(hi.secondsSince(lo) / 2);
            if (!best || std::abs(candidate.secondsSince(day.noon)) < std::abs(best->secondsSince(day.noon)))
                best = candidate;
        }
        cursor = next;
        hprev = hn;
    }
    return best;
}

// The bisection reads only the sign of altitude − target. Meeus' low-accuracy Sun stays within
// 0.01° of the precise one (0.02° in altitude at most), so further than kCoarseTrusted from the
// target its sign is the precise one's: the precise position is computed only near the crossing,
// and every answer is the one a bisection on precise positions alone gives.
constexpr double kCoarseTrusted = 0.1; // degrees

// The coarse altitude across a bracket of at most half a day, from the coarse Sun and the sidereal
// time at its two ends, drawn linearly in between. In half a day the Sun's right ascension and
// declination bend away from a straight line by less than 0.001°, sidereal time by nothing that
// counts, so wherever this line is further than kCoarseTrusted + kLineError from the target the
// coarse altitude is too, on the same side, and the bisection's choice is known without it.
constexpr double kLineError = 0.01; // degrees

class CoarseLine {
  public:
    CoarseLine(Instant a, Instant b, const SunPlace &p)
        : m_a(a), m_span(b.secondsSince(a)), m_sinPhi(std::sin(p.geo.latitude * aa::kDegToRad)),
          m_cosPhi(std::cos(p.geo.latitude * aa::kDegToRad)) {
        const End ea = end(a, p), eb = end(b, p);
        // Local hour angle in radians at both ends; between them it grows at about the sidereal
        // rate less the Sun's own, which picks the whole turns to add.
        const double nominal = m_span / 86400.0 * 2.0 * aa::kPi * (1.0027379 - 1.0 / 365.25);
        const double turns = std::round((nominal - (eb.hourAngle - ea.hourAngle)) / (2.0 * aa::kPi));
        m_h0 = ea.hourAngle;
        m_dh = eb.hourAngle + turns * 2.0 * aa::kPi - ea.hourAngle;
        m_dec0 = ea.declination;
        m_ddec = eb.declination - ea.declination;
    }
    double altitude(Instant t) const {
        const double x = m_span > 0 ? t.secondsSince(m_a) / m_span : 0.0;
        const double h = m_h0 + x * m_dh, dec = m_dec0 + x * m_ddec;
        const double sinAlt = m_sinPhi * std::sin(dec) + m_cosPhi * std::cos(dec) * std::cos(h);
        return std::asin(std::clamp(sinAlt, -1.0, 1.0)) * aa::kRadToDeg;
    }

  private:
    struct End {
        double hourAngle, declination;
    };
    static End end(Instant t, const SunPlace &p) {
        const aa::JulianDay jd(t);
        const aa::EquatorialCoordinates c = aa::Sun(jd.UTCtoTT(), false).equatorialCoordinates();
        return {c.hourAngle(p.geo, jd) * aa::kDegToRad, c.declination * aa::kDegToRad};
    }
    Instant m_a;
    double m_span, m_sinPhi, m_cosPhi;
    double m_h0 = 0, m_dh = 0, m_dec0 = 0, m_ddec = 0;
};

// Bisection of [lo, hi] on the precise altitude, with the line deciding the steps far from the target.
std::optional<Instant> bisect(Instant lo, Instant hi, const SunPlace &p, double target) {
    const CoarseLine line(lo, hi, p);
    auto value = [&line, &p, target](Instant t) {
        const double drawn = line.altitude(t);
        if (std::abs(drawn - target) > kCoarseTrusted + kLineError)
            return drawn;
        // Surely within kCoarseTrusted: the precise altitude decides, the coarse one is not needed.
        if (std::abs(drawn - target) < kCoarseTrusted - kLineError)
            return sunAltitude(t, p, true);
        const double coarse = sunAltitude(t, p, false);
        return std::abs(coarse - target) > kCoarseTrusted ? coarse : sunAltitude(t, p, true);
    };
    return detail::bisectCrossing(lo, hi, value, target);
}

std::optional<Instant> searchCrossing(Instant t0, const SunPlace &p, double target, bool rising) {
    const Instant other = t0.plusSeconds(rising ? -43200.0 : 43200.0);
    if (sunAltitude(t0, p, false) > target && sunAltitude(other, p, false) <= target) {
        return rising ? bisect(t0.plusSeconds(-43200.0), t0, p, target)
                      : bisect(t0, t0.plusSeconds(43200.0), p, target);
    }
    const Instant start = std::min(t0, other), end = std::max(t0, other);
    Instant cursor = start;
    double fprev = sunAltitude(start, p, false) - target;
    while (cursor < end) {
        const Instant next = std::min(cursor.plusSeconds(900.0), end);
        const double fn = sunAltitude(next, p, false) - target;
        const bool bracket = rising ? (fprev <= 0 && fn > 0) : (fprev > 0 && fn <= 0);
        if (bracket)
            return bisect(cursor, next, p, target);
        if (next >= end)
            return std::nullopt;
        cursor = next;
        fprev = fn;
    }
    return std::nullopt;
}

// Every event of a day starts from the same transit, and the day kind repeats the sunrise and
// sunset searches; callers ask for a day's events together, so the last answers are kept per
// thread. The searches depend on nothing else, so a kept answer is the one a new search would give.
template <typename Key, std::size_t N> class RecentAnswers {
  public:
    template <typename Search> std::optional<Instant> get(const Key &key, Search search) {
        for (const Entry &e : m_entries)
            if (e.used && e.key == key)
                return e.answer;
        Entry &slot = m_entries[m_next++ % N];
        slot = {true, key, search()};
        return slot.answer;
    }

  private:
    struct Entry {
        bool used;
        Key key;
        std::optional<Instant> answer;
    };
    std::array<Entry, N> m_entries{};
    unsigned m_next = 0;
};

struct TransitKey {
    double noon, longitude;
    bool operator==(const TransitKey &) const = default;
};

struct CrossingKey {
    double t0, longitude, latitude, target;
    bool rising;
    bool operator==(const CrossingKey &) const = default;
};

std::optional<Instant> solarTransit(const LocalDayFrame &day, const SunPlace &p) {
    thread_local RecentAnswers<TransitKey, 4> recent;
    return recent.get({day.noon.unixSeconds(), p.longitude}, [&] { return searchSolarTransit(day, p); });
}

std::optional<Instant> crossing(Instant t0, const SunPlace &p, double target, bool rising) {
    thread_local RecentAnswers<CrossingKey, 16> recent;
    return recent.get({t0.unixSeconds(), p.longitude, p.geo.latitude, target, rising},
                      [&] { return searchCrossing(t0, p, target, rising); });
}

std::optional<SunPlace> sunPlace(double longitude, double latitude) {
    if (!detail::validPlace(longitude, latitude))
        return std::nullopt;
    return SunPlace{longitude, {-longitude, latitude, 0.0}};
}

std::optional<Instant> sunEvent(Instant date, double longitude, double latitude, const TimeZone &zone,
                                double target, bool rising) {
    const auto p = sunPlace(longitude, latitude);
    const auto day = LocalDayFrame::containing(date, zone);
    if (!p || !day)
        return std::nullopt;
    const auto t0 = solarTransit(*day, *p);
    if (!t0)
        return std::nullopt;
    return crossing(*t0, *p, target, rising);
}

} // namespace

std::optional<Instant> AstroInterface::getSunRiseTime(Instant date, double longitude, double latitude,
                                                      const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kSunrise, true);
}
std::optional<Instant> AstroInterface::getSunSetTime(Instant date, double longitude, double latitude,
                                                     const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kSunrise, false);
}
std::optional<Instant> AstroInterface::getCivilTwilightDawn(Instant date, double longitude, double latitude,
                                                            const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kCivil, true);
}
std::optional<Instant> AstroInterface::getCivilTwilightDusk(Instant date, double longitude, double latitude,
                                                            const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kCivil, false);
}
std::optional<Instant> AstroInterface::getNauticalTwilightDawn(Instant date, double longitude,
                                                               double latitude, const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kNautical, true);
}
std::optional<Instant> AstroInterface::getNauticalTwilightDusk(Instant date, double longitude,
                                                               double latitude, const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kNautical, false);
}
std::optional<Instant> AstroInterface::getAstronomicalTwilightDawn(Instant date, double longitude,
                                                                   double latitude,
                                                                   const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kAstronomical, true);
}
std::optional<Instant> AstroInterface::getAstronomicalTwilightDusk(Instant date, double longitude,
                                                                   double latitude,
                                                                   const TimeZone &timezone) {
    return sunEvent(date, longitude, latitude, timezone, kAstronomical, false);
}

std::optional<Instant> AstroInterface::getSunTransitTime(Instant date, double longitude, double latitude,
                                                         const TimeZone &timezone) {
    const auto p = sunPlace(longitude, latitude);
    const auto day = LocalDayFrame::containing(date, timezone);
    if (!p || !day)
        return std::nullopt;
    return solarTransit(*day, *p);
}

std::optional<SunDayKind> AstroInterface::getSunDayKind(Instant date, double longitude, double latitude,
                                                        const TimeZone &timezone) {
    const auto p = sunPlace(longitude, latitude);
    const auto day = LocalDayFrame::containing(date, timezone);
    if (!p || !day)
        return std::nullopt;
    const auto t0 = solarTransit(*day, *p);
    if (!t0)
        return SunDayKind::riseAndSet;
    if (crossing(*t0, *p, kSunrise, true) || crossing(*t0, *p, kSunrise, false))
        return SunDayKind::riseAndSet;
    return sunAltitude(*t0, *p, true) > kSunrise ? SunDayKind::alwaysUp : SunDayKind::alwaysDown;
}

std::optional<double> AstroInterface::getSunElevation(Instant date, double longitude, double latitude) {
    const auto p = sunPlace(longitude, latitude);
    if (!p)
        return std::nullopt;
    const aa::JulianDay jd(date);
    return aa::Sun(jd, true).makeHorizontalCoordinates(p->geo).altitude;
}

} // namespace lunafold
