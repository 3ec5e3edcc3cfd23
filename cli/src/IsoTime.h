// SPDX-License-Identifier: MIT
#pragma once

#include "astronomy/Instant.h"

#include <optional>
#include <string>
#include <string_view>

namespace lunafold::cli {

struct CivilDate {
    int year, month, day;
};

/// "YYYY-MM-DD", or "YYYY-MM-DDTHH:MM[:SS[.fff]]" followed by "Z" or an offset "±HH:MM";
/// a bare date means its midnight UT. A date-time without a zone is refused (it would be ambiguous).
std::optional<Instant> parseInstant(std::string_view text);
std::optional<CivilDate> parseDate(std::string_view text);
/// "YYYY-MM" → year and month (day 1).
std::optional<CivilDate> parseMonth(std::string_view text);

/// UTC, whole seconds (rounded), with a Z: "2024-04-08T18:21:05Z".
std::string formatInstant(Instant instant);
std::string formatDate(const CivilDate &date);

/// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long long daysFromCivil(int y, int m, int d);
CivilDate civilFromDays(long long z);

} // namespace lunafold::cli
