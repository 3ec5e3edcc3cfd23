// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace lunafold {

/// A point in time, independent of time zones: seconds since 1970-01-01T00:00:00 UT.
/// Public entry points make instants through the checked factories, so an Instant
/// handed to the engine is always finite and inside the span the time scales cover.
class Instant {
  public:
    constexpr Instant() = default;

    /// Julian day (UT) of the Unix epoch.
    static constexpr double kUnixEpochJulianDay = 2440587.5;
    /// Years −1999 … 3000 (where Delta T is modelled), in Unix seconds.
    static constexpr double kEarliest = -125249500800.0;
    static constexpr double kLatest = 32535215999.0;

    /// @return std::nullopt when @p seconds is not finite or outside [kEarliest, kLatest].
    static std::optional<Instant> fromUnixSeconds(double seconds) {
        if (!(seconds >= kEarliest && seconds <= kLatest)) // also false for NaN
            return std::nullopt;
        return Instant(seconds);
    }
    /// @param jdUt Julian day, UT.
    static std::optional<Instant> fromJulianDay(double jdUt) {
        return fromUnixSeconds((jdUt - kUnixEpochJulianDay) * 86400.0);
    }
    /// For values already known to be valid (engine results, arithmetic on valid instants).
    static constexpr Instant trusted(double seconds) { return Instant(seconds); }
    static constexpr Instant trustedJulianDay(double jdUt) {
        return Instant((jdUt - kUnixEpochJulianDay) * 86400.0);
    }

    constexpr double unixSeconds() const { return m_seconds; }
    /// Julian day, UT.
    constexpr double julianDay() const { return m_seconds / 86400.0 + kUnixEpochJulianDay; }

    constexpr Instant plusSeconds(double s) const { return Instant(m_seconds + s); }
    constexpr double secondsSince(Instant other) const { return m_seconds - other.m_seconds; }

    // Spelled out rather than <=>: Qt's moc cannot parse <compare>, and Qt headers include this one.
    friend constexpr bool operator==(Instant a, Instant b) { return a.m_seconds == b.m_seconds; }
    friend constexpr bool operator!=(Instant a, Instant b) { return a.m_seconds != b.m_seconds; }
    friend constexpr bool operator<(Instant a, Instant b) { return a.m_seconds < b.m_seconds; }
    friend constexpr bool operator<=(Instant a, Instant b) { return a.m_seconds <= b.m_seconds; }
    friend constexpr bool operator>(Instant a, Instant b) { return a.m_seconds > b.m_seconds; }
    friend constexpr bool operator>=(Instant a, Instant b) { return a.m_seconds >= b.m_seconds; }

  private:
    constexpr explicit Instant(double seconds) : m_seconds(seconds) {}
    double m_seconds = 0.0;
};

} // namespace lunafold
