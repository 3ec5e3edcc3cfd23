// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <optional>
#include <string>
#include <string_view>

namespace date {
class time_zone;
}

namespace lunafold::detail {
struct ZoneExtras;
}

namespace lunafold {

/// Civil date and wall-clock time in some zone.
struct LocalDateTime {
    int year = 1970, month = 1, day = 1;
    int hour = 0, minute = 0;
    double second = 0.0;
};

/// A time zone of the system's zone database (IANA names), read through the date/tz library so
/// that the rules are the operating system's current ones.
class TimeZone {
  public:
    /// @return std::nullopt for names the database does not know (or when it cannot be read).
    static std::optional<TimeZone> named(std::string_view ianaName);
    static TimeZone utc();
    /// The device's zone ($TZ, else /etc/localtime); UTC when neither names a known zone.
    static TimeZone current();

    std::string name() const;
    /// Offset from UT at @p instant, seconds (east positive).
    int offsetSeconds(Instant instant) const;
    /// Abbreviation in force at @p instant ("CEST", "EST", "+05").
    std::string abbreviation(Instant instant) const;
    LocalDateTime localDateTime(Instant instant) const;
    /// First instant of the civil day @p year-@p month-@p day (the transition instant when
    /// midnight falls in a daylight-saving gap); std::nullopt for an invalid date.
    std::optional<Instant> startOfDay(int year, int month, int day) const;
    /// UT instant of a wall-clock time; in a gap it slides forward, in an overlap the earlier wins.
    std::optional<Instant> instantOf(const LocalDateTime &local) const;

    friend bool operator==(const TimeZone &a, const TimeZone &b) { return a.m_zone == b.m_zone; }

  private:
    struct Local {
        long long ut;         // Unix seconds
        bool inGap;           // the wall time does not exist
        long long transition; // the jump over the gap, when inGap
    };
    explicit TimeZone(const date::time_zone *zone);
    Local resolve(long long localSeconds) const;
    bool ruleApplies(long long unixSeconds) const;

    const date::time_zone *m_zone;
    const detail::ZoneExtras *m_extras;
};

/// The local calendar day containing an instant: [dayStart, dayEnd), 23 or 25 hours long on a
/// daylight-saving change, and noon = dayStart + 12 h.
struct LocalDayFrame {
    Instant dayStart, dayEnd, noon;

    static std::optional<LocalDayFrame> containing(Instant instant, const TimeZone &zone);
};

} // namespace lunafold
