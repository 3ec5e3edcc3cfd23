// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"
#include "astronomy/PrincipalPhase.h"
#include "astronomy/TimeZone.h"

#include <optional>
#include <utility>

namespace lunafold {

/// Whether the Sun rises or sets during a local day, or stays up or down.
enum class SunDayKind { riseAndSet = 0, alwaysUp = 1, alwaysDown = 2 };

/// The astronomy facade: stateless, callable from any thread.
///
/// Longitudes and latitudes are degrees, east and north positive. Operations that take a place
/// answer std::nullopt when the latitude lies outside [−90, 90] or a number is not finite, and
/// operations that take a time zone work in the local calendar day of that zone.
/// Instants are valid by construction (see Instant), so the instant-only operations always answer.
class AstroInterface {
  public:
    // --- The Moon at an instant -------------------------------------------------------------
    /// Illuminated fraction 0…1 from the elongation in ecliptic longitude.
    static double getMoonFraction(Instant date);
    /// True while the next new moon comes before the next full moon.
    static bool isWaning(Instant date);
    /// Days since the previous new moon.
    static double getMoonAgeInDays(Instant date);
    /// Ecliptic longitude of date, degrees [0, 360).
    static double getMoonLongitude(Instant date);
    /// Earth–Moon distance, km.
    static double getMoonDistanceKm(Instant date);
    /// Geocentric altitude of the Moon's centre, degrees, no refraction.
    static std::optional<double> getMoonAltitude(Instant date, double longitude, double latitude);
    /// Azimuth, degrees from north through east, [0, 360).
    static std::optional<double> getMoonAzimuth(Instant date, double longitude, double latitude);
    static std::optional<double> getMoonParallacticAngleInRadians(Instant date, double longitude,
                                                                  double latitude);
    /// Position angle of the bright limb, radians.
    static double getMoonPositionAngleInRadians(Instant date);

    static double degreesToRadians(double degrees);
    /// longitude + offset, wrapped once into [−180, 180].
    static double adjustLongitude(double longitude, double offset);
    /// longitude + 180, wrapped once above 360.
    static double calculateAntipodalLongtitude(double longitude);
    static bool areDatesWithinToleranceSeconds(Instant firstDate, Instant secondDate, double tolerance);

    // --- Phase events, signs and seasons ----------------------------------------------------
    /// The true instant of principal phase @p phase (0 new, 1 first quarter, 2 full, 3 last
    /// quarter) after (@p forward) or before the instant; std::nullopt for another phase number.
    static std::optional<Instant> phaseInstant(Instant date, int phase, bool forward);
    /// As above for a phase that always exists.
    static Instant phaseInstant(Instant date, PrincipalPhase phase, bool forward);
    /// The first principal phase after the instant and its instant.
    static std::pair<PrincipalPhase, Instant> nextPrincipalPhase(Instant date);
    static Instant getNewMoonNext(Instant date);
    static Instant getFirstQuarterNext(Instant date);
    static Instant getFullMoonNext(Instant date);
    static Instant getLastQuarterNext(Instant date);
    static Instant getNewMoonPrev(Instant date);
    static Instant getFirstQuarterPrev(Instant date);
    static Instant getFullMoonPrev(Instant date);
    static Instant getLastQuarterPrev(Instant date);

    /// The instant (to 0.0001 day) just before the Moon's longitude next crosses a multiple of 30°.
    static Instant seekNextSignTime(Instant startDate);
    /// Printed when the sign seek finds no crossing (it then answers distantPast()).
    static constexpr const char *kSeekWarning =
        "**************** WARNING SEEKDEGREES FALLEN THROUGH *******************";
    /// 0001-01-01T00:00:00Z.
    static constexpr Instant distantPast() { return Instant::trusted(-62135596800.0); }

    static Instant getNorthwardSpringEquinox(Instant startDate);
    static Instant getSouthwardSpringEquinox(Instant startDate);
    static Instant getNorthernSummerSolstice(Instant startDate);
    static Instant getSouthernSummerSolstice(Instant startDate);

    // --- Moonrise, transit and moonset in the local day -------------------------------------
    static std::optional<Instant> getMoonRiseTime(Instant date, double longitude, double latitude,
                                                  const TimeZone &timezone);
    static std::optional<Instant> getMoonSetTime(Instant date, double longitude, double latitude,
                                                 const TimeZone &timezone);
    static std::optional<Instant> getMoonTransitTime(Instant date, double longitude, double latitude,
                                                     const TimeZone &timezone);

    // --- The Sun in the local day -----------------------------------------------------------
    static std::optional<Instant> getSunRiseTime(Instant date, double longitude, double latitude,
                                                 const TimeZone &timezone);
    static std::optional<Instant> getSunSetTime(Instant date, double longitude, double latitude,
                                                const TimeZone &timezone);
    static std::optional<Instant> getCivilTwilightDawn(Instant date, double longitude, double latitude,
                                                       const TimeZone &timezone);
    static std::optional<Instant> getCivilTwilightDusk(Instant date, double longitude, double latitude,
                                                       const TimeZone &timezone);
    static std::optional<Instant> getNauticalTwilightDawn(Instant date, double longitude, double latitude,
                                                          const TimeZone &timezone);
    static std::optional<Instant> getNauticalTwilightDusk(Instant date, double longitude, double latitude,
                                                          const TimeZone &timezone);
    static std::optional<Instant> getAstronomicalTwilightDawn(Instant date, double longitude, double latitude,
                                                              const TimeZone &timezone);
    static std::optional<Instant> getAstronomicalTwilightDusk(Instant date, double longitude, double latitude,
                                                              const TimeZone &timezone);
    /// Local apparent noon nearest the local day's noon; the latitude is not used.
    static std::optional<Instant> getSunTransitTime(Instant date, double longitude, double latitude,
                                                    const TimeZone &timezone);
    static std::optional<SunDayKind> getSunDayKind(Instant date, double longitude, double latitude,
                                                   const TimeZone &timezone);
    /// Geocentric altitude of the Sun's centre, degrees, no refraction.
    static std::optional<double> getSunElevation(Instant date, double longitude, double latitude);
};

} // namespace lunafold
