// SPDX-License-Identifier: MIT
// The Sun's events in a local day: solar transit from the hour angle, then each crossing of its
// target altitude searched from the transit, with coarse positions for sampling and the precise
// track of the day for the final bisection.
#include "astronomy/AstroInterface.h"

#include "Bisection.h"
#include "aa/FrameOfDate.h"
#include "aa/Horizon.h"
#include "astronomy/aa/DeltaT.h"
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
    double sinLatitude, cosLatitude;
};

// Hour angle in degrees, (−180, 180].
double hourAngle(Instant t, const SunPlace &p) {
    const aa::JulianDay jd(t);
    const double alpha = aa::Sun(jd, false).equatorialCoordinates().rightAscension;
    const double theta = jd.meanLocalSiderealTime(-p.longitude);
    double h = aa::positiveRemainder(15.0 * theta - 15.0 * alpha, 360.0);
    if (h > 180.0)
        h -= 360.0;
    return h;
}

// The coarse altitude that samples the day; the Sun applies Delta T itself.
double coarseAltitude(Instant t, const SunPlace &p) {
    const aa::JulianDay jd(t);
    return aa::altitudeDegrees(aa::Sun(jd, false).equatorialCoordinates(), p.geo, jd);
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

// The precise Sun across the 24 hours around a transit, for the bisections: its apparent right
// ascension (less the equation of the equinoxes, so the mean sidereal time turns it) and
// declination from three exact positions 12 hours apart, drawn as parabolas in between. Over a
// day they stay within 0.05″ of the exact positions (most of it the six-hour steps of the frame of
// date), a few milliseconds of a sunrise, so each step of a bisection costs a sidereal time and
// the local trigonometry instead of the Earth's series and a frame of date.
class SunTrack {
  public:
    explicit SunTrack(Instant t0) : m_t0(t0) {
        const Node before = node(t0.plusSeconds(-43200.0), t0), at = node(t0, t0),
                   after = node(t0.plusSeconds(43200.0), t0);
        // Unwrapped about the middle node: the Sun moves about 1° a day.
        const double raBefore = at.ra + aa::wrapPiRadians(before.ra - at.ra);
        const double raAfter = at.ra + aa::wrapPiRadians(after.ra - at.ra);
        m_ra = {at.ra, (raAfter - raBefore) / 2, (raAfter + raBefore) / 2 - at.ra};
        m_dec = {at.dec, (after.dec - before.dec) / 2, (after.dec + before.dec) / 2 - at.dec};
        m_deltaTDays = aa::deltaTSeconds(aa::JulianDay(t0).value()) / 86400.0;
    }
    Instant t0() const { return m_t0; }

    double altitude(Instant t, const SunPlace &p) const {
        const double x = t.secondsSince(m_t0) / 43200.0;
        const double ra = m_ra[0] + x * (m_ra[1] + x * m_ra[2]);
        const double dec = m_dec[0] + x * (m_dec[1] + x * m_dec[2]);
        const double jd = t.julianDay();
        const double h =
            aa::greenwichMeanSiderealAngle(jd, jd + m_deltaTDays) - p.geo.westLongitude * aa::kDegToRad - ra;
        const double sinAlt = p.sinLatitude * std::sin(dec) + p.cosLatitude * std::cos(dec) * std::cos(h);
        return std::asin(std::clamp(sinAlt, -1.0, 1.0)) * aa::kRadToDeg;
    }

  private:
    struct Node {
        double ra, dec; // radians
    };
    static Node node(Instant t, Instant t0) {
        const aa::JulianDay jd(t);
        const aa::EquatorialCoordinates c = aa::Sun(jd, aa::JulianDay(t0)).equatorialCoordinates();
        const double eqeq = aa::frameOfDate(jd.UTCtoTT().value()).equationOfEquinoxes;
        return {c.rightAscension * 15.0 * aa::kDegToRad - eqeq, c.declination * aa::kDegToRad};
    }
    Instant m_t0;
    std::array<double, 3> m_ra{}, m_dec{};
    double m_deltaTDays = 0;
};

// The track of the last transit asked for on this thread: the day's crossings all start from it.
const SunTrack &trackFrom(Instant t0) {
    thread_local std::optional<SunTrack> track;
    if (!track || track->t0() != t0)
        track.emplace(t0);
    return *track;
}

std::optional<Instant> bisect(Instant lo, Instant hi, const SunTrack &track, const SunPlace &p,
                              double target) {
    return detail::bisectCrossing(
        lo, hi, [&track, &p](Instant t) { return track.altitude(t, p); }, target);
}

std::optional<Instant> searchCrossing(Instant t0, const SunPlace &p, double target, bool rising) {
    const SunTrack &track = trackFrom(t0);
    const Instant other = t0.plusSeconds(rising ? -43200.0 : 43200.0);
    if (coarseAltitude(t0, p) > target && coarseAltitude(other, p) <= target) {
        return rising ? bisect(t0.plusSeconds(-43200.0), t0, track, p, target)
                      : bisect(t0, t0.plusSeconds(43200.0), track, p, target);
    }
    const Instant start = std::min(t0, other), end = std::max(t0, other);
    Instant cursor = start;
    double fprev = coarseAltitude(start, p) - target;
    while (cursor < end) {
        const Instant next = std::min(cursor.plusSeconds(900.0), end);
        const double fn = coarseAltitude(next, p) - target;
        const bool bracket = rising ? (fprev <= 0 && fn > 0) : (fprev > 0 && fn <= 0);
        if (bracket)
            return bisect(cursor, next, track, p, target);
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
    const double phi = latitude * aa::kDegToRad;
    return SunPlace{longitude, {-longitude, latitude, 0.0}, std::sin(phi), std::cos(phi)};
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
    return trackFrom(*t0).altitude(*t0, *p) > kSunrise ? SunDayKind::alwaysUp : SunDayKind::alwaysDown;
}

std::optional<double> AstroInterface::getSunElevation(Instant date, double longitude, double latitude) {
    const auto p = sunPlace(longitude, latitude);
    if (!p)
        return std::nullopt;
    const aa::JulianDay jd(date);
    return aa::Sun(jd, true).makeHorizontalCoordinates(p->geo).altitude;
}

} // namespace lunafold
