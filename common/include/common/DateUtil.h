// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <QString>

#include <optional>

namespace lunafold {

/// Julian days and duration texts. Stateless.
class DateUtil {
  public:
    /// Julian day (UT) of the present instant.
    static double getNowJulian();
    /// Julian day (UT) of an instant: Unix seconds / 86400 + 2440587.5.
    static double convertDateToJulian(Instant convertDate);
    /// The instant of a Julian day (UT); std::nullopt when it is not finite or out of range.
    static std::optional<Instant> convertJulianToDate(double julianDate);
    /// Start of the instant's calendar day in the device's time zone.
    static Instant dateWithOutTime(Instant sourceDate);

    /// "exactly 1 hour", "%d hours, %d minutes", … looked up and filled in.
    static QString hoursMinutesToString(int hours, int minutes);
    /// "exactly 1 day", "%d days, %d hours", …
    static QString daysHoursToString(int days, int hours);
    /// "today", "1 month, 1 day", "exactly %d months", …
    static QString monthsDaysToString(int months, int days);
};

} // namespace lunafold
