// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/GeoPoint.h"
#include "astronomy/Instant.h"
#include "astronomy/TimeZone.h"

#include <QString>

#include <functional>
#include <optional>

namespace lunafold {

/// One moonrise or moonset line: which event, and its instant when it happens that day.
struct RiseSetLine {
    bool rise = true;
    std::optional<Instant> date;
};

/// The sentences the screens show, built from the astronomy engine. Stateless: every day and every
/// difference in days, hours and minutes is counted in the calendar of the place's zone it is
/// given, not the device's.
class UIHelper {
  public:
    /// "Full Moon in 1 day, 1 hour." for the nearer (@p first) or the later of the next two phases.
    static QString countdownText(Instant t, const TimeZone &zone, bool first);
    /// "Full Moon is today - 9:41 PM." on a phase day, otherwise "Phase is waxing crescent." etc.
    static QString phaseText(Instant t, const TimeZone &zone, bool withTime);
    static QString daysHoursText(int days, int hours);
    static QString hoursMinutesText(int hours, int minutes);
    /// Moonrise and moonset of @p t's local day in time order, a missing event keeping rise first.
    static RiseSetLine orderedRiseSetLine(Instant t, const TimeZone &zone, const GeoPoint &place, bool first);
    /// "Full", "New", "First", "Last" (translated) or empty for the local day of @p t.
    static QString calendarPhaseLabel(Instant t, const TimeZone &zone);
    /// "3" → "3rd" in the current locale's ordinal style; a blank when @p s is not an integer.
    static QString ordinalText(const QString &s);
    /// "Aries ♈" and "♈ Aries" for the Moon at @p t.
    static QString signWithEmoji(Instant t);
    static QString emojiWithSign(Instant t);
    /// A distance with one decimal in the locale's preferred unit ("238,855.2 mi" in en_US).
    static QString distanceText(double kilometres);
    /// The event time as the wall clock of @p zone in the locale's short style ("9:41 PM").
    static QString shortTime(Instant t, const TimeZone &zone);
};

} // namespace lunafold
